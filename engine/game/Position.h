// SPDX-License-Identifier: MIT
// A game frozen between two events: the board, the counters and the game number. Tests, the
// simulator and the benchmarks set up play with Game::resumeFrom; the timers stay as the
// timer service has them.
#pragma once

#include "board/Board.h"
#include "game/Counters.h"
#include "game/GameNumber.h"

namespace quadrelle {

struct Position {
    Board board;
    Counters counters;
    GameNumber gameNumber;
};

} // namespace quadrelle
