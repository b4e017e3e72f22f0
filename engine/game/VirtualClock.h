// SPDX-License-Identifier: MIT
// A timer service on virtual time, for tests, the simulator and benchmarks: nothing happens
// until the clock is advanced, and then due timers fire in order of their due time. Timers
// due at the same millisecond fire in the order in which they were enabled.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "game/Timers.h"

namespace quadrelle {

class VirtualClock : public TimerService {
public:
    using TickHandler = std::function<void(TimerId)>;

    void setTickHandler(TickHandler handler) { onTick_ = std::move(handler); }

    void setEnabled(TimerId timer, bool enabled) override;
    bool isEnabled(TimerId timer) const override;

    std::int64_t now() const { return now_; }
    // The due time of the next tick, if any timer is enabled.
    std::optional<std::int64_t> nextDue() const;
    // Fires every tick due up to now + ms, in order, then sets the clock to now + ms.
    void advanceBy(std::int64_t ms);
    // Fires the next due tick, moving the clock to its time; false when no timer is enabled.
    bool fireNext();
    // Fires ticks until no timer of a reaction chain is enabled (the board is at rest) or
    // maxTicks have fired; returns the number of ticks fired.
    int runUntilAtRest(int maxTicks = 100000);
    bool anyChainTimerEnabled() const;

private:
    struct Slot {
        bool enabled = false;
        std::int64_t due = 0;
        std::uint64_t order = 0;
    };
    std::optional<TimerId> nextTimer() const;
    void fire(TimerId timer);

    std::array<Slot, kTimerCount> slots_{};
    std::int64_t now_ = 0;
    std::uint64_t enableCount_ = 0;
    TickHandler onTick_;
};

} // namespace quadrelle
