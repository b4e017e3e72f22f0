// SPDX-License-Identifier: MIT
// What happened in a game, reported as it happens, so callers never compare states to find
// out. Every notification has an empty default: an observer overrides what it needs.
#pragma once

#include <cstdint>

#include "game/GameNumber.h"

namespace quadrelle {

class GameEvents {
public:
    virtual ~GameEvents() = default;
    // A new board is being dealt for this game number.
    virtual void newGameStarted(GameNumber) {}
    // A scan found and removed this many runs (at least one).
    virtual void runsFound(int) {}
    // Some counter changed during the event just handled.
    virtual void countersChanged() {}
    virtual void levelUp(std::int64_t) {}
    // Game over raised the high score to this score; the caller should keep it at once.
    virtual void highScoreRaised(std::int64_t) {}
    // The game is over with this score: the board has no arrow and no gap left. Reported when
    // the game first ends, and again if erasers let it go on and it ends with a higher score.
    virtual void gameOver(std::int64_t) {}
};

} // namespace quadrelle
