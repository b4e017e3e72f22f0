// SPDX-License-Identifier: MIT
#include "game/VirtualClock.h"

namespace quadrelle {

void VirtualClock::setEnabled(TimerId timer, bool enabled) {
    Slot& slot = slots_[static_cast<int>(timer)];
    slot.enabled = enabled;
    if (enabled) {
        slot.due = now_ + intervalMs(timer);
        slot.order = ++enableCount_;
    }
}

bool VirtualClock::isEnabled(TimerId timer) const {
    return slots_[static_cast<int>(timer)].enabled;
}

std::optional<TimerId> VirtualClock::nextTimer() const {
    std::optional<TimerId> best;
    for (TimerId timer : kAllTimers) {
        const Slot& slot = slots_[static_cast<int>(timer)];
        if (!slot.enabled) continue;
        if (!best) {
            best = timer;
            continue;
        }
        const Slot& bestSlot = slots_[static_cast<int>(*best)];
        if (slot.due < bestSlot.due || (slot.due == bestSlot.due && slot.order < bestSlot.order))
            best = timer;
    }
    return best;
}

std::optional<std::int64_t> VirtualClock::nextDue() const {
    const auto timer = nextTimer();
    if (!timer) return std::nullopt;
    return slots_[static_cast<int>(*timer)].due;
}

void VirtualClock::fire(TimerId timer) {
    Slot& slot = slots_[static_cast<int>(timer)];
    now_ = slot.due;
    // An enabled timer keeps ticking every interval until a handler disables it.
    slot.due += intervalMs(timer);
    if (onTick_) onTick_(timer);
}

void VirtualClock::advanceBy(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    for (auto timer = nextTimer(); timer && slots_[static_cast<int>(*timer)].due <= target;
         timer = nextTimer())
        fire(*timer);
    now_ = target;
}

bool VirtualClock::fireNext() {
    const auto timer = nextTimer();
    if (!timer) return false;
    fire(*timer);
    return true;
}

bool VirtualClock::anyChainTimerEnabled() const {
    return chainRunning(*this);
}

int VirtualClock::runUntilAtRest(int maxTicks) {
    int fired = 0;
    while (anyChainTimerEnabled() && fired < maxTicks && fireNext()) ++fired;
    return fired;
}

} // namespace quadrelle
