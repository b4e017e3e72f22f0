// SPDX-License-Identifier: MIT
#include "removal/Falling.h"

#include <algorithm>

namespace quadrelle {

FallDirection fallDirection(const Board& board) {
    int topGapRow = kBoardSide - 1;
    int bottomGapRow = 0;
    for (int index = 0; index < kSquareCount; ++index) {
        if (board.kind(index) != Kind::Removed) continue;
        topGapRow = std::min(topGapRow, rowOf(index));
        bottomGapRow = std::max(bottomGapRow, rowOf(index));
    }
    return topGapRow + bottomGapRow <= 4 ? FallDirection::Down : FallDirection::Up;
}

namespace {

bool moveIntoGap(Board& board, int source, int target) {
    if (board.kind(target) != Kind::Removed || board.kind(source) == Kind::Removed) return false;
    const bool gapMarked = board[target].marked;
    board[target] = board[source];
    board[source] = Square{Kind::Removed, Picture::SqEmpty, gapMarked};
    return true;
}

bool fallPass(Board& board) {
    bool moved = false;
    for (int target = kSquareCount - 1; target >= kBoardSide; --target)
        moved |= moveIntoGap(board, target - kBoardSide, target);
    return moved;
}

bool risePass(Board& board) {
    bool moved = false;
    for (int target = 0; target < kSquareCount - kBoardSide; ++target)
        moved |= moveIntoGap(board, target + kBoardSide, target);
    return moved;
}

} // namespace

int closeGaps(Board& board, FallDirection direction) {
    int passes = 0;
    while (direction == FallDirection::Down ? fallPass(board) : risePass(board)) ++passes;
    return passes;
}

} // namespace quadrelle
