// SPDX-License-Identifier: MIT
// Where a Qt mouse event becomes the game's input. The right button, or the left with Shift,
// Ctrl or Alt held, is a special press; the left and the middle button otherwise are plain.
// The pointer's height below the square's top edge, in twips and rounded to a whole number
// (a half to the even one), picks the half: above 450 of the square's 900 twips is the upper.
#pragma once

#include <QtCore/qnamespace.h>

#include <optional>

#include "game/Input.h"

namespace quadrelle::app {

// Nothing for buttons the game ignores (back, forward and the like).
std::optional<Button> buttonOf(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
Half halfAt(float twipsBelowTop);
float twipsFromPixels(qreal pixels);

} // namespace quadrelle::app
