// SPDX-License-Identifier: MIT
#include "reactions/Triples.h"

namespace quadrelle {

std::optional<int> tripleColour(const Board& board, int first, int step) {
    for (int colour = 0; colour <= 4; ++colour) {
        if (matchesColour(board.kind(first), colour) && matchesColour(board.kind(first + step), colour) &&
            matchesColour(board.kind(first + 2 * step), colour))
            return colour;
    }
    return std::nullopt;
}

bool anyTripleMatches(const Board& board) {
    for (int row = 0; row < kBoardSide; ++row)
        for (int column = 0; column < kBoardSide - 2; ++column)
            if (tripleColour(board, indexOf(row, column), kRowStep)) return true;
    for (int row = 0; row < kBoardSide - 2; ++row)
        for (int column = 0; column < kBoardSide; ++column)
            if (tripleColour(board, indexOf(row, column), kColumnStep)) return true;
    return false;
}

} // namespace quadrelle
