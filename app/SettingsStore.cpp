// Reading and writing the settings with QSettings. Qt's INI format keeps keys that are in no
// group under [General], and would write a group named "General" as [%General]; so the keys
// are written ungrouped, and the file has the [General] section the settings belong in.
#include "SettingsStore.h"

#include <QSettings>

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
