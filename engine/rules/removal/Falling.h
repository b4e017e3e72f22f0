// SPDX-License-Identifier: MIT
// Closing the gaps of the board. The whole board falls (gaps end at the top) when the band of
// gap rows lies in the upper half, and rises (gaps end at the bottom) otherwise.
#pragma once

#include "board/Board.h"

namespace quadrelle {

enum class FallDirection { Down, Up };

// Down when the top and bottom gap rows add up to 4 or less; a board without gaps rises.
FallDirection fallDirection(const Board& board);

// Moves squares into the gaps, pass after pass, until a pass moves nothing. A moving square
// takes its kind, picture and marked flag along; the square it leaves becomes a gap with the
// empty picture and the flag the gap had. Returns the number of passes that moved a square.
int closeGaps(Board& board, FallDirection direction);

} // namespace quadrelle
