// SPDX-License-Identifier: MIT
// The board as the desktop draws it: the 36 squares' pictures, and over every control the
// keyboard cursor's yellow frame (while the board has the focus) and the hinted square's
// white frame with a badge for its move: an arrow up or down for a step, a magnifying glass
// for the colour search, a cross for the eraser.
#pragma once

#include <optional>

#include "Canvas2D.h"
#include "SquarePictures.h"

namespace quadrelle::web {

// The square under a point of the designed window; nothing in the gaps and off the board.
std::optional<int> squareAt(Point point);

void drawSquares(Canvas2D& canvas, const play::Screen& screen, const SquarePictures& pictures);
void drawBoardMarks(Canvas2D& canvas, const play::Screen& screen, bool boardFocused);

} // namespace quadrelle::web
