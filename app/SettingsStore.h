// The two saved settings, "HiScore" and "StartLevel", as text in the user's settings of the
// application "Chromafall", section "General". On Linux that is the INI file
// $XDG_CONFIG_HOME/Chromafall/Chromafall.ini (~/.config/Chromafall/Chromafall.ini).
// A setting that cannot be written is reported in one line on stderr, within a second, and
// the file is left as it was; the game goes on.
#pragma once

#include <QString>

#include <string>

#include "game/Counters.h"

namespace quadrelle::app {

inline constexpr auto kSettingsApplication = "Chromafall";
inline constexpr auto kHiScoreKey = "HiScore";
inline constexpr auto kStartLevelKey = "StartLevel";
inline constexpr auto kDefaultHiScore = "0";
inline constexpr auto kDefaultStartLevel = "1";

class SettingsStore {
public:
    // The user's settings file.
    SettingsStore();
    // A given INI file.
    explicit SettingsStore(QString iniPath);

    QString filePath() const;
    // The stored texts, or the defaults for settings that are absent.
    SavedSettings read() const;
    // Each returns false, after a message on stderr, when the file could not be written.
    bool write(const SavedSettings& settings) const;
    bool writeHiScore(const std::string& hiScore) const;

private:
    QString path_;
};

} // namespace quadrelle::app
