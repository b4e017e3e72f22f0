// SPDX-License-Identifier: MIT
// Where a second window goes so that it leaves the first in view: beside it, not over it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace quadrelle::app {

// The top left corner for a window of `size` (frame included) next to `frame` on `screen`:
// to its right, else to its left, else below, else above; where none fits, on the screen's
// side with more room. The edges keep a small gap.
QPoint placeBeside(const QRect& frame, const QSize& size, const QRect& screen);

// Sizes the window, not yet shown, and moves it beside `anchor` on the anchor's screen,
// reckoning its frame as wide as the anchor's.
void moveBeside(QWidget* window, const QWidget* anchor);

} // namespace quadrelle::app
