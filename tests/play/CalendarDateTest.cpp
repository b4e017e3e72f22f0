// SPDX-License-Identifier: MIT
// Dates as the best scores store them: only the text the game writes reads back.
#include <gtest/gtest.h>

#include "settings/CalendarDate.h"

namespace quadrelle::play {
namespace {

TEST(CalendarDate, readsOnlyRealDaysWrittenInFull) {
    const std::pair<const char*, bool> table[] = {
        {"2026-12-09", true},   {"2024-02-29", true},   {"0005-01-01", true},  {"9999-12-31", true},
        {"2023-02-29", false},  {"2026-13-01", false},  {"2026-12-00", false}, {"0000-01-01", false},
        {"2026-2-09", false},   {"12026-01-01", false}, {"-001-01-01", false}, {"+202-01-01", false},
        {" 2026-12-09", false}, {"2026-12-09 ", false}, {"2026/12/09", false}, {"", false},
    };
    for (const auto& [text, real] : table) {
        const auto date = dateOfText(text);
        EXPECT_EQ(date.has_value(), real) << text;
        if (date) {
            EXPECT_EQ(dateTextOf(*date), text);
        }
    }
}

} // namespace
} // namespace quadrelle::play
