// SPDX-License-Identifier: MIT
// The start-level spinner: the designed vertical scroll bar, so short that it shows only its
// two arrow buttons. The upper arrow raises the start level and the lower one lowers it, as
// the bar runs from 9 at the top to 1 at the bottom.
#pragma once

#include <optional>

#include "Canvas2D.h"

namespace quadrelle::web {

enum class SpinnerArrow { Raise, Lower };

struct SpinnerLook {
    std::optional<SpinnerArrow> held;
    bool focused = false;
};

// The arrow under a point of the spinner; nothing between them.
std::optional<SpinnerArrow> spinnerArrowAt(play::PixelRect spinner, Point point);

void drawStartLevelSpinner(Canvas2D& canvas, play::PixelRect spinner, SpinnerLook look);

} // namespace quadrelle::web
