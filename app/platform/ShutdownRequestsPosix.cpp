// SPDX-License-Identifier: MIT
// Shutdown requests arrive as POSIX signals.
#include "platform/ShutdownRequests.h"

#include "platform/ShutdownSignals.h"

namespace quadrelle::app {

void onShutdownRequests(QObject& owner, std::function<void()> shutDown) {
    auto* watcher = new ShutdownSignals(&owner);
    QObject::connect(watcher, &ShutdownSignals::shutdownRequested, &owner,
                     [shutDown = std::move(shutDown)](int) { shutDown(); });
}

} // namespace quadrelle::app
