// SPDX-License-Identifier: MIT
#include "removal/Marking.h"

namespace quadrelle {

void markRun(Board& board, int first, int step) {
    const int second = first + step;
    const int third = first + 2 * step;
    for (int index : {first, second, third}) board[index].marked = true;

    for (int source : {first, second, third}) {
        const Kind kind = board.kind(source);
        if (kind == Kind::Wildcard) continue;
        for (int target : {first, second, third}) board.setKind(target, kind);
        break;
    }
    for (int index : {first, second, third}) showMarked(board, index);
}

void showMarked(Board& board, int index) {
    const Kind kind = board.kind(index);
    if (hasMarkedPicture(kind)) board.showPicture(index, markedPictureOf(kind));
}

} // namespace quadrelle
