// SPDX-License-Identifier: MIT
#include "board/Fill.h"

namespace quadrelle {

void fillBoard(Board& board, const OddsRow& odds, RandomSource& random, FillScope scope) {
    for (int index = 0; index < kSquareCount; ++index) {
        if (scope == FillScope::GapsOnly && board.kind(index) != Kind::Removed) continue;
        const int r = scaleDraw(odds, random.nextUniform());
        board[index].marked = false;
        board.setKindAndPicture(index, kindForDraw(odds, r));
    }
}

} // namespace quadrelle
