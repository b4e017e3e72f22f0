// SPDX-License-Identifier: MIT
// The engine's seven timers on the browser's timeouts. A started timer behaves as the
// desktop's does: it ticks every interval until it is stopped, and starting it again restarts
// its interval. Each interval is one timeout, so nothing is scheduled while every timer is off.
#pragma once

#include <array>
#include <functional>

#include "game/Timers.h"

namespace quadrelle::web {

using quadrelle::TimerId;

class BrowserTimers final : public TimerService {
public:
    using TickHandler = std::function<void(TimerId)>;

    BrowserTimers();
    BrowserTimers(const BrowserTimers&) = delete;
    BrowserTimers& operator=(const BrowserTimers&) = delete;
    ~BrowserTimers() override;

    void setTickHandler(TickHandler handler) { onTick_ = std::move(handler); }
    void setEnabled(TimerId timer, bool enabled) override;
    bool isEnabled(TimerId timer) const override;
    void stopAll();

private:
    struct Slot {
        BrowserTimers* owner = nullptr;
        TimerId id{};
        long timeout = 0;
        bool enabled = false;
    };

    static void timedOut(void* slot);
    static void arm(Slot& slot);
    static void disarm(Slot& slot);
    Slot& slotOf(TimerId timer);

    std::array<Slot, kTimerCount> slots_;
    TickHandler onTick_;
};

} // namespace quadrelle::web
