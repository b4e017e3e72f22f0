// SPDX-License-Identifier: MIT
// The stored texts' names on QSettings' keys. Qt's INI format keeps the keys that are in no
// group under [General], and would write a group named "General" as [%General]; so the
// section "General" is the ungrouped keys, and the file has the [General] section the settings
// belong in. A value QSettings reads as something other than a text (a list, where the value
// holds commas) is no text of ours, and reads as absent.
#include "QtSettingsStorage.h"

#include <QSettings>

#include "SettingsFile.h"

namespace quadrelle::app {

namespace {

constexpr auto kUngroupedSection = "General";

QString userSettingsPath() {
    const QSettings user(QSettings::IniFormat, QSettings::UserScope, kSettingsApplication,
                         kSettingsApplication);
    return user.fileName();
}

QString groupOf(const std::string& section) {
    return section == kUngroupedSection ? QString() : QString::fromStdString(section);
}

QString settingsKeyOf(const std::string& storedKey) {
    const std::size_t slash = storedKey.find('/');
    if (slash != std::string::npos && storedKey.compare(0, slash, kUngroupedSection) == 0)
        return QString::fromStdString(storedKey.substr(slash + 1));
    return QString::fromStdString(storedKey);
}

// Nothing for the keys of a [%General] section, which no name of ours stands for.
std::optional<std::string> storedKeyOf(const QString& settingsKey) {
    if (!settingsKey.contains(QLatin1Char('/')))
        return play::storedKey(kUngroupedSection, settingsKey.toStdString());
    if (settingsKey.startsWith(QLatin1StringView(kUngroupedSection) + QLatin1Char('/'))) return std::nullopt;
    return settingsKey.toStdString();
}

play::StoredTexts textsIn(const QSettings& settings) {
    play::StoredTexts texts;
    for (const QString& settingsKey : settings.allKeys()) {
        const QVariant value = settings.value(settingsKey);
        const auto key = storedKeyOf(settingsKey);
        if (key && value.typeId() == QMetaType::QString) texts[*key] = value.toString().toStdString();
    }
    return texts;
}

IniChange iniChangeOf(const play::SettingsChange& change) {
    IniChange ini;
    for (const std::string& section : change.replacedSections) ini.replacedGroups.append(groupOf(section));
    for (const auto& [key, value] : change.values)
        ini.values.emplace_back(settingsKeyOf(key), QString::fromStdString(value));
    return ini;
}

} // namespace

QtSettingsStorage::QtSettingsStorage() : path_(userSettingsPath()) {}

QtSettingsStorage::QtSettingsStorage(QString iniPath) : path_(std::move(iniPath)) {}

QString QtSettingsStorage::filePath() const {
    return path_;
}

play::StoredTexts QtSettingsStorage::read() const {
    const QSettings settings(path_, QSettings::IniFormat);
    return textsIn(settings);
}

bool QtSettingsStorage::update(const ChangeOf& changeOf) {
    return saveIniChange(
        path_, [&changeOf](const QSettings& current) { return iniChangeOf(changeOf(textsIn(current))); });
}

} // namespace quadrelle::app
