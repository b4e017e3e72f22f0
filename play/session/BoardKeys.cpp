// SPDX-License-Identifier: MIT
#include "session/BoardKeys.h"

namespace quadrelle::play {

void BoardCursor::moveTo(int square) {
    if (isOnBoard(square)) square_ = square;
}

void BoardCursor::press(BoardKey key, Game& game) {
    const int row = rowOf(square_);
    const int column = columnOf(square_);
    switch (key) {
    case BoardKey::Left: return moveTo(column > 0 ? square_ - 1 : square_);
    case BoardKey::Right: return moveTo(column < kBoardSide - 1 ? square_ + 1 : square_);
    case BoardKey::Up: return moveTo(row > 0 ? square_ - kBoardSide : square_);
    case BoardKey::Down: return moveTo(row < kBoardSide - 1 ? square_ + kBoardSide : square_);
    case BoardKey::Click: return game.click(square_);
    case BoardKey::StepUp: return game.stepUp(square_);
    case BoardKey::StepDown: return game.stepDown(square_);
    case BoardKey::Search: return game.search(square_);
    }
}

} // namespace quadrelle::play
