// SPDX-License-Identifier: MIT
// The high score, the start level and the player's options as stored texts:
//
//   [General]  HiScore=4500  StartLevel=3      plain whole numbers
//   [Options]  Sound=true  ColourSymbols=false  "true" or "false"
//
// Reading is strict: a text that is not a plain whole number in range, or not one of the two
// words, gives the default, and the next save writes the setting afresh. The game goes on.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "StoredTexts.h"
#include "game/Settings.h"

namespace quadrelle::play {

inline constexpr auto kHiScoreKey = "General/HiScore";
inline constexpr auto kStartLevelKey = "General/StartLevel";
inline constexpr auto kSoundKey = "Options/Sound";
inline constexpr auto kColourSymbolsKey = "Options/ColourSymbols";

// The player's choices beyond the designed window.
struct Options {
    bool sound = true;
    bool colourSymbols = false;

    friend bool operator==(const Options&, const Options&) = default;
};

// Nothing for a text that is not a plain whole number in range.
std::optional<std::int64_t> parseHighScore(std::string_view text);
std::optional<int> parseStartLevel(std::string_view text);

Settings settingsIn(const StoredTexts& texts);
Options optionsIn(const StoredTexts& texts);

StoredTexts textsOf(const Settings& settings);
StoredTexts highScoreTextOf(std::int64_t highScore);
StoredTexts textsOf(const Options& options);

} // namespace quadrelle::play
