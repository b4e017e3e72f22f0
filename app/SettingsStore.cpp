// SPDX-License-Identifier: MIT
// Reading the settings with QSettings and writing them through saveIniValues. Qt's INI format
// keeps keys that are in no group under [General], and would write a group named "General" as
// [%General]; so the keys are written ungrouped, and the file has the [General] section the
// settings belong in.
#include "SettingsStore.h"

#include <QSettings>

#include "SettingsFile.h"
#include "settings/WholeNumber.h"

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

QString optionKey(const char* name) {
    return QStringLiteral("%1/%2").arg(QLatin1StringView(kOptionsGroup), QLatin1StringView(name));
}

// Anything but the two words keeps the default.
bool flagOf(const QSettings& settings, const char* name, bool fallback) {
    const QString text = settings.value(optionKey(name)).toString();
    if (text == QStringLiteral("true")) return true;
    if (text == QStringLiteral("false")) return false;
    return fallback;
}

IniValues valuesOf(const SavedSettings& saved) {
    return {{kHiScoreKey, QString::fromStdString(saved.hiScore)},
            {kStartLevelKey, QString::fromStdString(saved.startLevel)}};
}

QString textOf(bool flag) {
    return flag ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

std::optional<std::int64_t> parseHighScore(std::string_view text) {
    const auto value = play::wholeNumberOf<std::int64_t>(text);
    if (!value || *value < 0 || *value > kMaxStoredHighScore) return std::nullopt;
    return value;
}

std::optional<int> parseStartLevel(std::string_view text) {
    const auto value = play::wholeNumberOf<std::int64_t>(text);
    if (!value || *value < kMinStartLevel || *value > kMaxStartLevel) return std::nullopt;
    return static_cast<int>(*value);
}

SavedSettings savedTextsOf(const Settings& settings) {
    return {std::to_string(settings.highScore), std::to_string(settings.startLevel)};
}

namespace {

Settings settingsIn(const QSettings& settings) {
    const Settings defaults;
    return {
        parseHighScore(textOf(settings, kHiScoreKey, kDefaultHiScore)).value_or(defaults.highScore),
        parseStartLevel(textOf(settings, kStartLevelKey, kDefaultStartLevel)).value_or(defaults.startLevel)};
}

Options optionsIn(const QSettings& settings) {
    const Options defaults;
    return {flagOf(settings, "Sound", defaults.sound),
            flagOf(settings, "ColourSymbols", defaults.colourSymbols)};
}

BestScores bestScoresIn(QSettings& settings) {
    BestScores scores;
    scores.load(settings);
    return scores;
}

// The whole [BestScores] section is rewritten from the merged table, so no key of an older,
// longer or hand-edited table is left to be read again.
bool saveBestScores(const QString& path, BestScores& scores, const IniValues& alsoSaved) {
    const bool saved = saveIniChange(path, [&](QSettings& current) {
        scores.mergeWith(bestScoresIn(current));
        IniChange change = scores.storedChange();
        change.values.insert(change.values.end(), alsoSaved.begin(), alsoSaved.end());
        return change;
    });
    if (saved) scores.savedAll();
    return saved;
}

} // namespace

SettingsStore::SettingsStore() : path_(userSettingsPath()) {}

SettingsStore::SettingsStore(QString iniPath) : path_(std::move(iniPath)) {}

QString SettingsStore::filePath() const {
    return path_;
}

Settings SettingsStore::read() const {
    const QSettings settings(path_, QSettings::IniFormat);
    return settingsIn(settings);
}

StoredState SettingsStore::readAll() const {
    QSettings settings(path_, QSettings::IniFormat);
    return {settingsIn(settings), optionsIn(settings), bestScoresIn(settings)};
}

bool SettingsStore::write(const SavedSettings& saved) const {
    return saveIniValues(path_, valuesOf(saved));
}

bool SettingsStore::write(const SavedSettings& saved, BestScores& scores) const {
    return saveBestScores(path_, scores, valuesOf(saved));
}

bool SettingsStore::writeHiScore(const std::string& hiScore) const {
    return saveIniValues(path_, {{kHiScoreKey, QString::fromStdString(hiScore)}});
}

bool SettingsStore::writeOptions(const Options& options) const {
    return saveIniValues(path_, {{optionKey("Sound"), textOf(options.sound)},
                                 {optionKey("ColourSymbols"), textOf(options.colourSymbols)}});
}

BestScores SettingsStore::readBestScores() const {
    QSettings settings(path_, QSettings::IniFormat);
    return bestScoresIn(settings);
}

bool SettingsStore::writeBestScores(BestScores& scores, const std::optional<std::string>& hiScore) const {
    IniValues values;
    if (hiScore) values.emplace_back(kHiScoreKey, QString::fromStdString(*hiScore));
    return saveBestScores(path_, scores, values);
}

} // namespace quadrelle::app
