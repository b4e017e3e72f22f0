// SPDX-License-Identifier: MIT
// Keyboard play on the board: a cursor over the 36 squares, and what each board key does. A
// front end maps its own keys to these (arrows, Space or Enter, Page Up and Down, F) and
// draws the cursor where square() says.
#pragma once

#include "game/Game.h"

namespace quadrelle::play {

enum class BoardKey { Left, Right, Up, Down, Click, StepUp, StepDown, Search };

class BoardCursor {
public:
    int square() const { return square_; }
    // A square off the board leaves the cursor where it is.
    void moveTo(int square);
    // Moves the cursor, stopping at the edges, or plays the key's move on the square under it.
    void press(BoardKey key, Game& game);

private:
    int square_ = 0;
};

} // namespace quadrelle::play
