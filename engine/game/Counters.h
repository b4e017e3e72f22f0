// The game counters: every value that outlives one event, named after the label (or tag,
// visibility or scroll-bar value) that the window shows it in. Counters are wide integers,
// so scores beyond 16 bits add, compare and show correctly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrelle {

inline constexpr int kReactionsPerLevel = 20;
inline constexpr int kMaxRemoves = 3;
inline constexpr int kMinStartLevel = 1;
inline constexpr int kMaxStartLevel = 9;
// A stored high score above this is not one the game can have written.
inline constexpr std::int64_t kMaxStoredHighScore = 999'999'999'999;

struct Counters {
    std::int64_t score = 0;           // LabelScore
    std::int64_t reactionsLeft = 0;   // LabelLeft
    int comboCount = 0;               // LabelCombo caption
    bool comboCountVisible = true;    // LabelCombo visibility
    bool comboTextVisible = true;     // LabelComboT visibility (" Combo x")
    std::int64_t reactionCount = 0;   // LabelReactions tag
    bool newGame = false;             // LabelNewGame tag: "1" while a fresh board settles
    int removes = 0;                  // LabelRemoves: erasers held
    std::int64_t level = 1;           // LabelLevel: the level being played
    int startLevel = 1;               // LevelTxt
    int scrollValue = 9;              // HScrollLevel value: 10 minus the start level
    std::int64_t highScore = 0;       // LabelHiScore
    bool gameOverVisible = false;     // LabelGameOver visibility
    std::optional<float> pressHeight; // LabelClickedY tag: Y of the latest plain press, in twips
};

// The captions the window shows, in the plain number-to-text form ("0", "-1", "20").
struct Captions {
    std::string score;
    std::string reactionsLeft;
    std::string comboCount;
    std::string removes;
    std::string level;
    std::string startLevel;
    std::string highScore;
};

Captions captionsOf(const Counters& counters);
std::string numberText(std::int64_t value);

// Reading the two saved settings. Anything that is not a plain integer text in range
// yields nothing, and the caller falls back to the default.
std::optional<std::int64_t> parseHighScore(std::string_view text);
std::optional<int> parseStartLevel(std::string_view text);

struct SavedSettings {
    std::string hiScore;
    std::string startLevel;
};

} // namespace quadrelle
