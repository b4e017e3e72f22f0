// SPDX-License-Identifier: MIT
// `quadrelle-sim fill`: counts the kinds that whole-board fills produce at one level.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board/Odds.h"

namespace quadrelle::sim {

struct FillCounts {
    std::int64_t level = 1;
    std::int64_t squares = 0;
    std::array<std::int64_t, kChainLength> counts{}; // in the order of kOddsChain
};

// Runs the game's own fill `fills` times at `level`, seeded as game number `seed` would be.
FillCounts countFills(std::int64_t level, std::int64_t fills, std::uint64_t seed);

// {"level":N,"squares":…,"counts":{"4down":…,…,"1234":…}}
std::string toJson(const FillCounts& result);

} // namespace quadrelle::sim
