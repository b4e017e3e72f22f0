// SPDX-License-Identifier: MIT
// The reaction scan on a board: it marks every run of three and applies the full-line rule.
// Removing what is marked, scoring and sounding are the game's part.
#pragma once

#include "board/Board.h"

namespace quadrelle {

struct ScanResult {
    int runs = 0;      // runs of three found and marked
    int fullLines = 0; // rows and columns whose six squares ended up marked
};

ScanResult markReactions(Board& board);

// True when the board holds only plain colours and wildcards: no arrow left to step and no gap
// waiting for a refill.
bool isGameOver(const Board& board);

} // namespace quadrelle
