// SPDX-License-Identifier: MIT
// Where a browser's mouse event becomes the game's input, as on the desktop: the right button,
// or the left with Shift, Ctrl or Alt held, is a special press; the left and the middle button
// otherwise are plain. The pointer's height below the square's top edge, in twips and rounded
// to a whole number (a half to the even one), picks the half: above 450 of the square's 900
// twips is the upper.
#pragma once

#include <optional>

#include "game/Input.h"

namespace quadrelle::web {

using quadrelle::Button;
using quadrelle::Half;

// The DOM's button numbers: 0 the main (left), 1 the middle, 2 the secondary (right) button.
enum class DomButton { Main = 0, Middle = 1, Secondary = 2 };

struct HeldKeys {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Nothing for buttons the game ignores (back, forward and the like).
std::optional<Button> buttonOf(int domButton, HeldKeys keys);
Half halfAt(double pixelsBelowTop);

} // namespace quadrelle::web
