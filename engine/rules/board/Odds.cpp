// SPDX-License-Identifier: MIT
#include "board/Odds.h"

#include <cmath>

namespace quadrelle {

namespace {

// Rows are levels 1 … 9, then the row for every other level; columns follow kOddsChain.
constexpr std::array<OddsRow, 10> kOddsTable = {{
    {{20, 30, 40, -1, 50, 60, -1, 70, 80, -1, 100, 103, 106, 109, 112, 115, -1}, 115.0f},
    {{20, 30, 40, -1, 50, 60, -1, 70, 80, -1, 100, 106, 112, 118, 124, 130, -1}, 130.0f},
    {{20, 30, 40, 42, 52, 62, 74, 84, 94, 96, 116, 124, 132, 140, 148, 156, -1}, 156.0f},
    {{23, 33, 43, 46, 56, 66, 69, 79, 89, 92, 115, 125, 135, 145, 155, 165, 168}, 168.0f},
    {{19, 27, 35, 38, 46, 54, 57, 65, 73, 76, 95, 105, 115, 125, 135, 145, 148}, 148.0f},
    {{17, 23, 30, 34, 41, 48, 52, 59, 66, 70, 87, 97, 107, 117, 127, 137, 140}, 140.0f},
    {{15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 75, 85, 95, 105, 115, 125, 128}, 128.0f},
    {{13, 17, 21, 26, 30, 34, 39, 43, 47, 52, 64, 74, 84, 94, 104, 114, 117}, 117.0f},
    {{11, 14, 17, 22, 25, 28, 33, 36, 39, 44, 55, 65, 75, 85, 95, 105, 108}, 108.0f},
    {{9, 11, 13, 18, 20, 22, 27, 29, 31, 33, 42, 52, 62, 72, 82, 92, 95}, 95.0f},
}};

} // namespace

const OddsRow& oddsRowForLevel(std::int64_t level) {
    if (level >= 1 && level <= 9) return kOddsTable[static_cast<std::size_t>(level - 1)];
    return kOddsTable.back();
}

Kind kindForDraw(const OddsRow& row, int r) {
    for (int i = 0; i < kChainLength; ++i)
        if (r <= row.bounds[static_cast<std::size_t>(i)]) return kOddsChain[static_cast<std::size_t>(i)];
    // Unreachable for r ≤ total: the highest bound of every row equals its total.
    return kOddsChain.back();
}

int scaleDraw(const OddsRow& row, float uniform) {
    const float scaled = uniform * row.total;
    return static_cast<int>(std::nearbyint(scaled)); // the default rounding mode: half to even
}

} // namespace quadrelle
