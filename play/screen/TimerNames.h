// SPDX-License-Identifier: MIT
// The designed names of the seven timers ("TimerClearSq", "WaitAfterClickTimer", …), which a
// screen gives its timers and the simulator writes in its log.
#pragma once

#include <string_view>

#include "game/Timers.h"

namespace quadrelle::play {

std::string_view timerName(TimerId timer);

} // namespace quadrelle::play
