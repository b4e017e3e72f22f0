// SPDX-License-Identifier: MIT
// Work that the window's first frame does not need, done once that frame is drawn, so that it
// does not delay it.
#pragma once

#include <functional>

class QWidget;

namespace quadrelle::app {

// Calls `work` once, from the event loop, after the window has painted for the first time (or
// has been minimised before that). Call it before the window is shown.
void afterFirstFrame(QWidget& window, std::function<void()> work);

} // namespace quadrelle::app
