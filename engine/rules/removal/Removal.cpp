// SPDX-License-Identifier: MIT
#include "removal/Removal.h"

namespace quadrelle {

void removeMarked(Board& board) {
    for (int index = 0; index < kSquareCount; ++index)
        if (board[index].marked) board.setKind(index, Kind::Removed);
}

int clearGaps(Board& board) {
    int gaps = 0;
    for (int index = 0; index < kSquareCount; ++index) {
        if (board.kind(index) != Kind::Removed) continue;
        board[index].marked = false;
        board.showPicture(index, Picture::SqEmpty);
        ++gaps;
    }
    return gaps;
}

} // namespace quadrelle
