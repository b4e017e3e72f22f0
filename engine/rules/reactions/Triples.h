// SPDX-License-Identifier: MIT
// Triples: three adjacent squares in a row (step 1) or a column (step 6), named by their first
// square. A triple matches colour c when all three kinds lie in the match set of c.
#pragma once

#include <optional>

#include "board/Board.h"

namespace quadrelle {

inline constexpr int kRowStep = 1;
inline constexpr int kColumnStep = kBoardSide;

// The first colour, 0 … 4, that the triple at first, first + step, first + 2 × step matches.
std::optional<int> tripleColour(const Board& board, int first, int step);

// True when any of the 48 triples on the board matches a colour. Unlike the scan, this only
// looks, so the order in which it visits the triples does not matter.
bool anyTripleMatches(const Board& board);

} // namespace quadrelle
