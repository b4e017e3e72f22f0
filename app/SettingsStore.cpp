// Reading the settings with QSettings and writing them through saveIniValues. Qt's INI format
// keeps keys that are in no group under [General], and would write a group named "General" as
// [%General]; so the keys are written ungrouped, and the file has the [General] section the
// settings belong in.
#include "SettingsStore.h"

#include <QSettings>

#include "SettingsFile.h"

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

} // namespace

SettingsStore::SettingsStore() : path_(userSettingsPath()) {}

SettingsStore::SettingsStore(QString iniPath) : path_(std::move(iniPath)) {}

QString SettingsStore::filePath() const { return path_; }

SavedSettings SettingsStore::read() const {
    const QSettings settings(path_, QSettings::IniFormat);
    return {textOf(settings, kHiScoreKey, kDefaultHiScore),
            textOf(settings, kStartLevelKey, kDefaultStartLevel)};
}

bool SettingsStore::write(const SavedSettings& saved) const {
    return saveIniValues(path_, {{kHiScoreKey, QString::fromStdString(saved.hiScore)},
                                 {kStartLevelKey, QString::fromStdString(saved.startLevel)}});
}

bool SettingsStore::writeHiScore(const std::string& hiScore) const {
    return saveIniValues(path_, {{kHiScoreKey, QString::fromStdString(hiScore)}});
}

} // namespace quadrelle::app
