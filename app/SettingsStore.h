// SPDX-License-Identifier: MIT
// The two saved settings, "HiScore" and "StartLevel", as text in the user's settings of the
// application "Chromafall", section "General". On Linux that is the INI file
// $XDG_CONFIG_HOME/Chromafall/Chromafall.ini (~/.config/Chromafall/Chromafall.ini).
// Reading parses and checks the stored texts: anything that is not a plain integer text in
// range falls back to the default, and is rewritten at the next save. A setting that cannot be
// written is reported in one line on stderr, within a second, and the file is left as it
// was; the game goes on.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "BestScores.h"
#include "game/Settings.h"

namespace quadrelle::app {

inline constexpr auto kSettingsApplication = "Chromafall";
inline constexpr auto kHiScoreKey = "HiScore";
inline constexpr auto kStartLevelKey = "StartLevel";
inline constexpr auto kDefaultHiScore = "0";
inline constexpr auto kDefaultStartLevel = "1";

// The player's choices beyond the design, in a section of their own: [Options] with "Sound"
// and "ColourSymbols", each "true" or "false".
inline constexpr auto kOptionsGroup = "Options";

struct Options {
    bool sound = true;
    bool colourSymbols = false;
};

// The settings as the file holds them.
struct SavedSettings {
    std::string hiScore;
    std::string startLevel;
};

SavedSettings savedTextsOf(const Settings& settings);

// Nothing for a text that is not a plain integer in range.
std::optional<std::int64_t> parseHighScore(std::string_view text);
std::optional<int> parseStartLevel(std::string_view text);

// Everything the window reads at start, from one reading of the file.
struct StoredState {
    Settings settings;
    Options options;
    BestScores bestScores;
};

class SettingsStore {
public:
    // The user's settings file.
    SettingsStore();
    // A given INI file.
    explicit SettingsStore(QString iniPath);

    QString filePath() const;
    // The stored settings, with the defaults for any that are absent or not valid.
    Settings read() const;
    StoredState readAll() const;
    // Each returns false, after a message on stderr, when the file could not be written.
    bool write(const SavedSettings& settings) const;
    // Both settings and the best scores in one save, as the window does at close.
    bool write(const SavedSettings& settings, BestScores& scores) const;
    bool writeHiScore(const std::string& hiScore) const;

    bool writeOptions(const Options& options) const;
    BestScores readBestScores() const;
    // The best scores are merged under the file's lock with the stored ones, which another
    // game may have changed since (BestScores::mergeWith), and the result becomes `scores`,
    // whether the save works or not. The high score goes in the same save when given.
    bool writeBestScores(BestScores& scores, const std::optional<std::string>& hiScore = std::nullopt) const;

private:
    QString path_;
};

} // namespace quadrelle::app
