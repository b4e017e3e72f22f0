// SPDX-License-Identifier: MIT
#include "BrowserClock.h"

#include <emscripten/val.h>

#include <chrono>

namespace quadrelle::web {

play::CalendarDate todayHere() {
    // The browser's Date knows the player's time zone; the C library here knows only UTC.
    const emscripten::val now = emscripten::val::global("Date").new_();
    return {std::chrono::year(now.call<int>("getFullYear")),
            std::chrono::month(static_cast<unsigned>(now.call<int>("getMonth") + 1)),
            std::chrono::day(static_cast<unsigned>(now.call<int>("getDate")))};
}

GameNumber gameNumberFromClock() {
    // The browser's clock counts whole milliseconds (or coarser), so those are what vary.
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return {static_cast<std::uint64_t>(milliseconds.count()) % 1'000'000'000U};
}

} // namespace quadrelle::web
