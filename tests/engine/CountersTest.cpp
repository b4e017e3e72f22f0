// SPDX-License-Identifier: MIT
#include "GameHarness.h"

namespace quadrelle::test {
namespace {

TEST(SavedSettings, WideHighScoresAndEveryStartLevelRoundTrip) {
    for (std::int64_t hi : {0LL, 32767LL, 32768LL, 40000LL, 65536LL, 4294967296LL}) {
        GameHarness h;
        h.game.start({hi, 1}, GameNumber{});
        EXPECT_EQ(h.game.settingsToSave().highScore, hi);
    }
    GameHarness h;
    h.game.start({40000, 1}, GameNumber{});
    EXPECT_EQ(h.counters().highScore, 40000);
    for (int level = 1; level <= 9; ++level) {
        h.game.start({0, level}, GameNumber{});
        EXPECT_EQ(h.counters().level, level);
        EXPECT_EQ(h.game.settingsToSave().startLevel, level);
    }
}

TEST(SavedSettings, AStartLevelOutsideOneToNineIsHeldToItAndANegativeHighScoreIsNone) {
    const std::tuple<Settings, Settings> cases[] = {{{-5, 0}, {0, 1}},
                                                    {{7, 10}, {7, 9}},
                                                    {{7, -3}, {7, 1}},
                                                    {{kMaxStoredHighScore, 9}, {kMaxStoredHighScore, 9}}};
    for (const auto& [given, kept] : cases) {
        GameHarness h;
        h.game.start(given, GameNumber{});
        EXPECT_EQ(h.game.settingsToSave(), kept) << given.highScore << ", " << given.startLevel;
        EXPECT_EQ(h.counters().level, kept.startLevel);
    }
}

struct HighScoreCase {
    std::int64_t score, highScore, expected;
};

TEST(HighScore, GameOverKeepsTheHigherOfScoreAndHighScoreBeyondSixteenBits) {
    const HighScoreCase cases[] = {
        {150, 120, 150},       {120, 120, 120},       {90, 120, 120},
        {40000, 32767, 40000}, {32768, 32767, 32768}, {70000, 65536, 70000},
        {65536, 70000, 70000}, {65536, 4464, 65536},  {32767, 40000, 40000},
    };
    for (const HighScoreCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.score) + " against " + std::to_string(c.highScore));
        GameHarness h; // a plain board without runs: nothing reacts and nothing can change
        h.edit([&](Position& p) {
            p.counters.score = c.score;
            p.counters.highScore = c.highScore;
        });
        EXPECT_EQ(h.scan(), 0);
        EXPECT_TRUE(h.counters().gameOver);
        EXPECT_EQ(h.counters().highScore, c.expected);
        EXPECT_EQ(h.game.settingsToSave().highScore, c.expected);
    }
}

TEST(HighScore, ScoresKeepAddingPastSixteenBits) {
    GameHarness h;
    h.lay(quietBoardWith({{0, "3"}, {1, "3"}, {2, "3"}, {3, "3"}}, "012", true));
    h.edit([&](Position& p) { p.counters.score = 32765; });
    EXPECT_EQ(h.scan(), 2);
    EXPECT_EQ(h.counters().score, 32785);
}

} // namespace
} // namespace quadrelle::test
