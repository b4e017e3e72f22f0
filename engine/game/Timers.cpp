// SPDX-License-Identifier: MIT
#include "game/Timers.h"

namespace quadrelle {

namespace {

struct TimerTraits {
    std::string_view name;
    int intervalMs;
};

constexpr std::array<TimerTraits, kTimerCount> kTraits = {{
    {"TimerClearSq", 500},
    {"TimerMoveDown", 200},
    {"TimerFillUp", 200},
    {"TimerHideCombo", 2000},
    {"WaitAfterClickTimer", 1000},
    {"WaitAfterInitTimer", 1000},
    {"WaitAfterReactionsTimer", 200},
}};

} // namespace

int intervalMs(TimerId timer) {
    return kTraits[static_cast<int>(timer)].intervalMs;
}

std::string_view timerName(TimerId timer) {
    return kTraits[static_cast<int>(timer)].name;
}

bool chainRunning(const TimerService& timers) {
    for (TimerId timer : kChainTimers)
        if (timers.isEnabled(timer)) return true;
    return false;
}

} // namespace quadrelle
