// SPDX-License-Identifier: MIT
// The player's input in the game's own terms. A special press (the window maps the right
// button, or the left with Shift, Ctrl or Alt, to it) searches an arrow square for a colour
// that reacts, or spends an eraser on a plain square; a plain click steps an arrow square's
// colour, and a two-way square steps up when pressed in its upper half.
#pragma once

namespace quadrelle {

enum class Button { Plain, Special };

enum class Half { Upper, Lower };

} // namespace quadrelle
