// SPDX-License-Identifier: MIT
// Requests from outside the program to end it: SIGTERM, SIGINT and SIGHUP where there are
// POSIX signals (ShutdownSignals). Elsewhere none arrive this way, and watching does nothing.
#pragma once

#include <functional>

class QObject;

namespace quadrelle::app {

// Calls `shutDown` on the user-interface thread at each request, for as long as `owner` lives.
// Only one owner at a time: the signal handler has one socket to write to.
void onShutdownRequests(QObject& owner, std::function<void()> shutDown);

} // namespace quadrelle::app
