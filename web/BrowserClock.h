// SPDX-License-Identifier: MIT
// What the page reads from the clock: the day where the player is, which dates the best
// scores, and a new game's number.
#pragma once

#include "game/GameNumber.h"
#include "settings/CalendarDate.h"

namespace quadrelle::web {

play::CalendarDate todayHere();
// Drawn from the clock once per game, short enough to note down.
GameNumber gameNumberFromClock();

} // namespace quadrelle::web
