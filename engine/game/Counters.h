// SPDX-License-Identifier: MIT
// The game counters: every value that outlives one event besides the board. Counters are wide
// integers, so scores beyond 16 bits add, compare and show correctly.
#pragma once

#include <cstdint>
#include <optional>

#include "game/Input.h"

namespace quadrelle {

inline constexpr int kReactionsPerLevel = 20;
inline constexpr int kMaxRemoves = 3;

struct Counters {
    std::int64_t score = 0;
    std::int64_t reactionsLeft = 0; // before the next level; below zero until the level rises
    int comboCount = 0;             // runs since the last plain release
    bool comboShown = false;        // the combo banner
    std::int64_t reactionCount = 0; // runs towards the next level
    bool freshBoard = false;        // a new board settling: its runs count but do not score
    int removes = 0;                // erasers held
    std::int64_t level = 1;         // the level being played
    int startLevel = 1;             // the level the next new game starts at
    std::int64_t highScore = 0;
    bool gameOver = false;           // the banner stays until a new game
    std::optional<Half> pressedHalf; // of the latest plain press

    friend bool operator==(const Counters&, const Counters&) = default;
};


} // namespace quadrelle
