// SPDX-License-Identifier: MIT
// The odds of new squares by level. A level row holds one band bound per kind along a fixed
// chain (−1 switches a kind off) and the odds total; a draw r in 0 … total takes the first kind
// of the chain whose bound is at least r.
#pragma once

#include <array>
#include <cstdint>

#include "board/SquareKind.h"

namespace quadrelle {

inline constexpr int kChainLength = 17;

inline constexpr std::array<Kind, kChainLength> kOddsChain = {
    Kind::K4down,   Kind::K3up, Kind::K3down, Kind::K3updown, Kind::K2up,     Kind::K2down,
    Kind::K2updown, Kind::K1up, Kind::K1down, Kind::K1updown, Kind::K0up,     Kind::K4,
    Kind::K3,       Kind::K2,   Kind::K1,     Kind::K0,       Kind::Wildcard,
};

struct OddsRow {
    std::array<std::int16_t, kChainLength> bounds;
    float total;
};

// The row for a level: levels 1 to 9 have their own, every other level uses the last row.
const OddsRow& oddsRowForLevel(std::int64_t level);

// The kind that a draw r (0 … total) falls on.
Kind kindForDraw(const OddsRow& row, int r);

// r = the uniform draw times the total, in single precision, rounded half to even.
int scaleDraw(const OddsRow& row, float uniform);

} // namespace quadrelle
