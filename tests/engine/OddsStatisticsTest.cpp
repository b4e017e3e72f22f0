// SPDX-License-Identifier: MIT
// A million squares per level drawn through the real fill reproduce the level odds.
#include "GameHarness.h"
#include "OddsTable.h"

namespace quadrelle::test {
namespace {

struct Shares {
    int level;
    double plain, arrow, twoWay, wildcard; // percent
};

// Shares of the square families by level, as the game promises them (rounded to 0.1 %).
constexpr Shares kShares[] = {
    {1, 12.6, 87.4, 0, 0},       {2, 22.7, 77.3, 0, 0},      {3, 25.3, 74.7, 10.3, 0},
    {4, 29.8, 68.8, 5.4, 1.5},   {5, 33.8, 64.5, 6.1, 1.7},  {6, 35.7, 62.5, 8.6, 1.8},
    {7, 39.1, 59.0, 11.7, 2.0},  {8, 42.7, 55.1, 12.8, 2.1}, {9, 46.3, 51.4, 13.9, 2.3},
    {10, 52.6, 44.7, 12.6, 2.6},
};

constexpr int kFills = 27'778; // 36 squares each: just over a million draws
constexpr double kTolerancePp = 0.3;

void PrintTo(const Shares& s, std::ostream* os) {
    *os << "level " << s.level;
}

class OddsStatistics : public testing::TestWithParam<Shares> {};

TEST_P(OddsStatistics, AMillionFilledSquaresMatchTheLevelOdds) {
    const Shares& expected = GetParam();
    const LevelOdds& odds = kLevelOdds[static_cast<std::size_t>(expected.level - 1)];
    SeedChain seeds(GameNumber{0x5eed0000u + static_cast<unsigned>(expected.level)});
    SeededRandom random;
    Board board;

    std::array<long, kKindCount> counts{};
    for (int fill = 0; fill < kFills; ++fill) {
        random.reseed(seeds.next()); // as the game reseeds every fill
        fillBoard(board, oddsRowForLevel(expected.level), random, FillScope::WholeBoard);
        for (const Square& square : board) ++counts[static_cast<std::size_t>(square.kind)];
    }
    const double n = static_cast<double>(kFills) * kSquareCount;
    const auto pct = [&](Kind kind) {
        return 100.0 * static_cast<double>(counts[static_cast<std::size_t>(kind)]) / n;
    };

    double plain = 0, arrow = 0, twoWay = 0;
    for (Kind kind : kPlayKinds) {
        if (isPlain(kind)) plain += pct(kind);
        if (isArrow(kind)) arrow += pct(kind);
        if (isTwoWay(kind)) twoWay += pct(kind);
    }
    EXPECT_NEAR(plain, expected.plain, kTolerancePp);
    EXPECT_NEAR(arrow, expected.arrow, kTolerancePp);
    EXPECT_NEAR(twoWay, expected.twoWay, kTolerancePp);
    EXPECT_NEAR(pct(Kind::Wildcard), expected.wildcard, kTolerancePp);
    EXPECT_EQ(counts[static_cast<std::size_t>(Kind::Removed)] + counts[static_cast<std::size_t>(Kind::Empty)],
              0);

    // Each band is as wide as its bound minus the bound before it; the first band gains the
    // draws that round down to 0, the band ending at the total loses those that round up past it.
    int lower = -1;
    int first = -1, last = -1;
    for (std::size_t i = 0; i < odds.bounds.size(); ++i)
        if (odds.bounds[i] >= 0) {
            if (first < 0) first = static_cast<int>(i);
            last = static_cast<int>(i);
        }
    for (std::size_t i = 0; i < odds.bounds.size(); ++i) {
        const Kind kind = kindOf(kChainTexts[i]);
        SCOPED_TRACE(std::string(kChainTexts[i]));
        if (odds.bounds[i] < 0) {
            EXPECT_EQ(counts[static_cast<std::size_t>(kind)], 0);
            continue;
        }
        double width = odds.bounds[i] - lower;
        if (static_cast<int>(i) == first) width -= 0.5; // 0 … bound is bound + 1 draws, less half a draw
        if (static_cast<int>(i) == last) width -= 0.5;
        lower = odds.bounds[i];
        EXPECT_NEAR(pct(kind), 100.0 * width / odds.total, kTolerancePp);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, OddsStatistics, testing::ValuesIn(kShares),
                         [](const testing::TestParamInfo<Shares>& info) {
                             return "Level" + std::to_string(info.param.level);
                         });

} // namespace
} // namespace quadrelle::test
