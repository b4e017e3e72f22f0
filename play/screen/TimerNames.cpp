// SPDX-License-Identifier: MIT
#include "screen/TimerNames.h"

#include <array>

namespace quadrelle::play {

namespace {

constexpr std::array<std::string_view, kTimerCount> kNames = {
    "TimerClearSq",        "TimerMoveDown",      "TimerFillUp",             "TimerHideCombo",
    "WaitAfterClickTimer", "WaitAfterInitTimer", "WaitAfterReactionsTimer",
};

} // namespace

std::string_view timerName(TimerId timer) {
    return kNames[static_cast<std::size_t>(timer)];
}

} // namespace quadrelle::play
