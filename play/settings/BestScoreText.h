// SPDX-License-Identifier: MIT
// One best-scores entry and the text it is stored as: "score level date game-number", e.g.
// "1250 7 2026-12-09 8812734412", read as strictly as the high score: plain whole numbers in
// range and a real date that has come.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "CalendarDate.h"

namespace quadrelle::play {

struct BestScoreEntry {
    std::int64_t score = 0;
    int level = 1;
    CalendarDate date;
    std::uint64_t gameNumber = 0;

    friend bool operator==(const BestScoreEntry&, const BestScoreEntry&) = default;
};

// Levels rise by one every 20 reactions from at most 9; level 9999 takes some 200,000
// reactions, days of unbroken play, so a higher one was not written by a game.
inline constexpr int kMaxBestScoreLevel = 9999;

std::string storedTextOf(const BestScoreEntry& entry);
// Nothing for a text that is not an entry the game could have written by `today`; a day's
// slack lets a game saved ahead in another time zone through.
std::optional<BestScoreEntry> bestScoreEntryOf(std::string_view text, CalendarDate today);

} // namespace quadrelle::play
