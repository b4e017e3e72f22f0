// SPDX-License-Identifier: MIT
// Marking squares for removal: a run of three, or one square, with its marked look.
#pragma once

#include "board/Board.h"

namespace quadrelle {

// Marks the three squares first, first + step, first + 2 × step and gives them all the kind of
// the first that is not a wildcard, so wildcards take the colour (and arrows) of their run.
void markRun(Board& board, int first, int step);

// Shows the marked look of the square's kind; kinds without one keep their picture.
void showMarked(Board& board, int index);

} // namespace quadrelle
