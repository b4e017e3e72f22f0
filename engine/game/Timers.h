// SPDX-License-Identifier: MIT
// The seven one-shot timers that pace the game, and the service that runs them. Each handler
// first disables its own timer, so a timer ticks once per start; enabling a timer, also one
// that is already enabled, restarts its full interval.
#pragma once

#include <array>

namespace quadrelle {

enum class TimerId : unsigned char {
    ClearSq,
    MoveDown,
    FillUp,
    HideCombo,
    WaitAfterClick,
    WaitAfterInit,
    WaitAfterReactions,
};

inline constexpr int kTimerCount = 7;

inline constexpr std::array<TimerId, kTimerCount> kAllTimers = {
    TimerId::ClearSq,
    TimerId::MoveDown,
    TimerId::FillUp,
    TimerId::HideCombo,
    TimerId::WaitAfterClick,
    TimerId::WaitAfterInit,
    TimerId::WaitAfterReactions,
};

// The timers of a reaction chain: while none of them is enabled the board is at rest.
inline constexpr std::array<TimerId, 6> kChainTimers = {
    TimerId::ClearSq,        TimerId::MoveDown,      TimerId::FillUp,
    TimerId::WaitAfterClick, TimerId::WaitAfterInit, TimerId::WaitAfterReactions,
};

// Interval in milliseconds: 500, 200, 200, 2000, 1000, 1000, 200.
int intervalMs(TimerId timer);

class TimerService {
public:
    virtual ~TimerService() = default;
    virtual void setEnabled(TimerId timer, bool enabled) = 0;
    virtual bool isEnabled(TimerId timer) const = 0;
};

// True while a timer of a reaction chain is enabled; the board is at rest when none is.
bool chainRunning(const TimerService& timers);

} // namespace quadrelle
