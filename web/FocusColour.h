// SPDX-License-Identifier: MIT
// The yellow that marks the keyboard focus on the page, as on the desktop: the board's cursor,
// the button's and the spinner's frames.
#pragma once

#include "Canvas2D.h"

namespace quadrelle::web {

inline constexpr Colour kFocusColour{255, 224, 0};

} // namespace quadrelle::web
