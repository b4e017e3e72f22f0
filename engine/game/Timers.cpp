// SPDX-License-Identifier: MIT
#include "game/Timers.h"

namespace quadrelle {

namespace {

constexpr std::array<int, kTimerCount> kIntervalsMs = {500, 200, 200, 2000, 1000, 1000, 200};

} // namespace

int intervalMs(TimerId timer) {
    return kIntervalsMs[static_cast<std::size_t>(timer)];
}

bool chainRunning(const TimerService& timers) {
    for (TimerId timer : kChainTimers)
        if (timers.isEnabled(timer)) return true;
    return false;
}

} // namespace quadrelle
