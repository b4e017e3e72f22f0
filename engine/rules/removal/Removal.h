// SPDX-License-Identifier: MIT
// Removing marked squares and, half a second later, clearing the gaps they left.
#pragma once

#include "board/Board.h"

namespace quadrelle {

// Every marked square becomes a gap; it keeps its marked picture and its mark until cleared.
void removeMarked(Board& board);

// Every gap shows the empty picture and loses its mark. Returns the number of gaps.
int clearGaps(Board& board);

} // namespace quadrelle
