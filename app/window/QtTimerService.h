// SPDX-License-Identifier: MIT
// The game's seven timers as QTimers on the user-interface thread. A timer keeps ticking
// every interval while enabled, as the engine's contract says; the engine's handlers disable
// their own timer first, so in practice each start gives one tick. Enabling restarts the
// full interval. While no timer is enabled nothing runs.
#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

#include "game/Timers.h"

namespace quadrelle::app {

class QtTimerService : public QObject, public TimerService {
    Q_OBJECT

public:
    using TickHandler = std::function<void(TimerId)>;

    explicit QtTimerService(QObject* parent = nullptr);

    void setTickHandler(TickHandler handler) { onTick_ = std::move(handler); }
    void setEnabled(TimerId timer, bool enabled) override;
    bool isEnabled(TimerId timer) const override;
    void stopAll();

private:
    QTimer& timerFor(TimerId timer) { return timers_[static_cast<std::size_t>(timer)]; }
    const QTimer& timerFor(TimerId timer) const { return timers_[static_cast<std::size_t>(timer)]; }

    std::array<QTimer, kTimerCount> timers_;
    TickHandler onTick_;
};

} // namespace quadrelle::app
