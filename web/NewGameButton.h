// SPDX-License-Identifier: MIT
// The "New Game" push button drawn as the desktop's style draws it: a pale bevel with rounded
// corners and a dark outline, its caption centred and word-wrapped, pressed in while held.
#pragma once

#include <string_view>

#include "Canvas2D.h"
#include "CaptionText.h"

namespace quadrelle::web {

struct ButtonLook {
    bool down = false;
    bool focused = false;
};

// Where the caption is laid out inside the button.
play::PixelRect buttonCaptionRect(play::PixelRect button);

void drawNewGameButton(Canvas2D& canvas, play::PixelRect button, std::string_view caption,
                       const CaptionFont& font, ButtonLook look);

} // namespace quadrelle::web
