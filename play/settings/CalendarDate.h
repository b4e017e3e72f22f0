// SPDX-License-Identifier: MIT
// A day of the calendar, as a best score is dated, and its stored text "yyyy-MM-dd". The play
// layer never reads a clock: the front end says which day it is.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quadrelle::play {

using CalendarDate = std::chrono::year_month_day;
// Today's date where the player is.
using Calendar = std::function<CalendarDate()>;

// Four digits of year, two of month, two of day: "2026-12-09", "0005-01-01".
std::string dateTextOf(CalendarDate date);
// Nothing for a text that dateTextOf would not write, or a day that does not exist.
std::optional<CalendarDate> dateOfText(std::string_view text);

CalendarDate dayAfter(CalendarDate date);

} // namespace quadrelle::play
