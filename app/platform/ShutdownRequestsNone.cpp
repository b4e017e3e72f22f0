// SPDX-License-Identifier: MIT
// Without POSIX signals the program is asked to end through its window and the desktop
// session only, which main already handles.
#include "platform/ShutdownRequests.h"

namespace quadrelle::app {

void onShutdownRequests(QObject&, std::function<void()>) {}

} // namespace quadrelle::app
