// Reading and writing the settings with QSettings. Qt's INI format keeps keys that are in no
// group under [General], and would write a group named "General" as [%General]; so the keys
// are written ungrouped, and the file has the [General] section the settings belong in.
#include "SettingsStore.h"

#include <QSettings>

#include <charconv>
#include <cstdio>

namespace quadrelle::app {

namespace {

QString userSettingsPath() {
    const QSettings user(QSettings::IniFormat, QSettings::UserScope, kSettingsApplication,
                         kSettingsApplication);
    return user.fileName();
}

std::string textOf(const QSettings& settings, const char* key, const char* fallback) {
    return settings.value(key, QString::fromLatin1(fallback)).toString().toStdString();
}

bool syncOrReport(QSettings& settings) {
    settings.sync();
    if (settings.status() == QSettings::NoError) return true;
    std::fprintf(stderr, "quadrelle: could not save the settings to %s; playing on\n",
                 qPrintable(settings.fileName()));
    return false;
}

std::optional<std::int64_t> parseInteger(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || ptr != end) return std::nullopt;
    return value;
}

} // namespace

std::optional<std::int64_t> parseHighScore(std::string_view text) {
    const auto value = parseInteger(text);
    if (!value || *value < 0 || *value > kMaxStoredHighScore) return std::nullopt;
    return value;
}

std::optional<int> parseStartLevel(std::string_view text) {
    const auto value = parseInteger(text);
    if (!value || *value < kMinStartLevel || *value > kMaxStartLevel) return std::nullopt;
    return static_cast<int>(*value);
}

SavedSettings savedTextsOf(const Settings& settings) {
    return {std::to_string(settings.highScore), std::to_string(settings.startLevel)};
}

SettingsStore::SettingsStore() : path_(userSettingsPath()) {}

SettingsStore::SettingsStore(QString iniPath) : path_(std::move(iniPath)) {}

QString SettingsStore::filePath() const { return path_; }

Settings SettingsStore::read() const {
    const QSettings settings(path_, QSettings::IniFormat);
    const Settings defaults;
    return {parseHighScore(textOf(settings, kHiScoreKey, kDefaultHiScore)).value_or(defaults.highScore),
            parseStartLevel(textOf(settings, kStartLevelKey, kDefaultStartLevel)).value_or(defaults.startLevel)};
}

bool SettingsStore::write(const SavedSettings& saved) const {
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(kHiScoreKey, QString::fromStdString(saved.hiScore));
    settings.setValue(kStartLevelKey, QString::fromStdString(saved.startLevel));
    return syncOrReport(settings);
}

bool SettingsStore::writeHiScore(const std::string& hiScore) const {
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(kHiScoreKey, QString::fromStdString(hiScore));
    return syncOrReport(settings);
}

} // namespace quadrelle::app
