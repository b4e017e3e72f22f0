// SPDX-License-Identifier: MIT
#include "GameHarness.h"
#include "OddsTable.h"

#include <algorithm>

namespace quadrelle::test {
namespace {

Kind drawAt(std::int64_t level, int r) {
    return kindForDraw(oddsRowForLevel(level), r);
}

TEST(OddsTable, EveryBoundTakesItsOwnKindAndTheNextDrawTheNextKindOn) {
    for (const LevelOdds& odds : kLevelOdds) {
        SCOPED_TRACE("level " + std::to_string(odds.level));
        EXPECT_FLOAT_EQ(oddsRowForLevel(odds.level).total, static_cast<float>(odds.total));
        int lower = -1; // the highest bound earlier in the chain
        for (std::size_t i = 0; i < odds.bounds.size(); ++i) {
            const int bound = odds.bounds[i];
            if (bound < 0) continue;
            SCOPED_TRACE(std::string(kChainTexts[i]));
            EXPECT_EQ(kindText(drawAt(odds.level, bound)), kChainTexts[i]);
            EXPECT_EQ(kindText(drawAt(odds.level, lower + 1)), kChainTexts[i]);
            lower = bound;
        }
        EXPECT_EQ(lower, odds.total);
    }
}

TEST(OddsTable, ADrawOfZeroGivesFourDownInEveryLevel) {
    for (std::int64_t level : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 40})
        EXPECT_EQ(drawAt(level, 0), Kind::K4down) << level;
}

TEST(OddsTable, ADrawOfTheTotalGivesZeroUpToLevelThreeAndTheWildcardFromFour) {
    for (std::int64_t level : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 40}) {
        const int total = static_cast<int>(oddsRowForLevel(level).total);
        EXPECT_EQ(drawAt(level, total), level <= 3 ? Kind::K0 : Kind::Wildcard) << level;
    }
}

TEST(OddsTable, LevelsFromTenOnAndLevelsOutsideOneToNineUseTheLastRow) {
    const OddsRow& last = oddsRowForLevel(10);
    for (std::int64_t level : {11, 12, 99, 100000, 0, -1}) {
        EXPECT_EQ(&oddsRowForLevel(level), &last) << level;
    }
    EXPECT_NE(&oddsRowForLevel(9), &last);
}

TEST(OddsTable, ScaledDrawsRoundHalfToEven) {
    // Level 7 has a total of 128, so these draws scale to exact halves.
    const OddsRow& row = oddsRowForLevel(7);
    EXPECT_EQ(scaleDraw(row, 14.5f / 128), 14);
    EXPECT_EQ(scaleDraw(row, 15.5f / 128), 16);
    EXPECT_EQ(scaleDraw(row, 20.5f / 128), 20);
    EXPECT_EQ(scaleDraw(row, 0.5f / 128), 0);
    EXPECT_EQ(scaleDraw(row, 127.5f / 128), 128);
    EXPECT_EQ(scaleDraw(row, 0.0f), 0);
    EXPECT_EQ(kindForDraw(row, scaleDraw(row, 15.5f / 128)), Kind::K3up);
    EXPECT_EQ(kindForDraw(row, scaleDraw(row, 127.5f / 128)), Kind::Wildcard);
}

TEST(FillBoard, AFullFillReplacesEverySquareAndClearsEveryMark) {
    GameHarness h;
    h.lay(quietBoardWith({{0, "."}, {7, "1234"}}));
    h.edit([&](Position& p) {
        p.board[3].marked = true;
        p.board[0].marked = true;
    });
    const int reseeds = h.random.reseeds;
    const Counters before = h.counters();
    for (int i = 0; i < kSquareCount; ++i) h.random.script.push_back(0.0f);
    h.game.newGame();
    for (int i = 0; i < kSquareCount; ++i) {
        EXPECT_EQ(h.board()[i], (Square{Kind::K4down, Picture::Sq4down, false})) << i;
    }
    EXPECT_EQ(h.random.reseeds, reseeds + 1);
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterInit));
    EXPECT_FALSE(h.enabled(TimerId::WaitAfterReactions));
    EXPECT_EQ(h.counters().score, before.score);
    EXPECT_EQ(h.counters().level, before.level);
    EXPECT_EQ(h.counters().reactionCount, before.reactionCount);
}

TEST(FillBoard, ARefillGivesOnlyGapsNewKindsInIndexOrder) {
    GameHarness h;
    h.lay(quietBoardWith({{3, "."}, {10, "."}, {35, "."}, {20, "1234"}}));
    h.edit([&](Position& p) { p.board[20].marked = true; }); // not a gap: left alone, flag included
    h.edit([&](Position& p) {
        p.board.showPicture(21, Picture::Tri1r);
        p.board[10].marked = true;
        p.counters.level = 5;
    });
    const Board before = h.board();
    const int draws = h.random.draws;
    h.refillWith({"3up", "2updown", "4"});
    h.game.tick(TimerId::FillUp);
    EXPECT_EQ(h.random.draws, draws + 3);
    EXPECT_EQ(h.board()[3], (Square{Kind::K3up, Picture::Sq3up, false}));
    EXPECT_EQ(h.board()[10], (Square{Kind::K2updown, Picture::Sq2updown, false}));
    EXPECT_EQ(h.board()[35], (Square{Kind::K4, Picture::Sq4, false}));
    for (int i = 0; i < kSquareCount; ++i)
        if (i != 3 && i != 10 && i != 35) {
            EXPECT_EQ(h.board()[i], before[i]) << i;
        }
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterReactions));
    EXPECT_FALSE(h.enabled(TimerId::WaitAfterInit));
}

TEST(FillBoard, ARefillWithoutGapsChangesNothingButStillStartsTheReactionPause) {
    GameHarness h;
    const Board before = h.board();
    const int draws = h.random.draws;
    h.game.tick(TimerId::FillUp);
    EXPECT_EQ(h.board(), before);
    EXPECT_EQ(h.random.draws, draws);
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterReactions));
}

TEST(FillBoard, UsesTheLevelBeingPlayedForEachCall) {
    GameHarness h;
    const float topDraw = 0.9999f; // scales to the odds total at every level
    for (std::int64_t level : {1, 3, 4, 10, 12}) {
        h.edit([&](Position& p) {
            p.counters.level = level;
            p.board.setKind(17, Kind::Removed);
        });
        h.random.script.assign(kSquareCount, topDraw);
        h.game.tick(TimerId::FillUp);
        EXPECT_EQ(h.board().kind(17), level <= 3 ? Kind::K0 : Kind::Wildcard) << level;
    }
}

TEST(Randomness, TheGeneratorDrawsBelowOneAndEachFillOfAGameGetsItsOwnSeed) {
    SeedChain seeds(GameNumber{12345});
    SeededRandom random;
    std::vector<float> firstDraws;
    for (int fill = 0; fill < 50; ++fill) {
        random.reseed(seeds.next());
        firstDraws.push_back(random.nextUniform());
        for (int i = 0; i < 200; ++i) {
            const float u = random.nextUniform();
            ASSERT_GE(u, 0.0f);
            ASSERT_LT(u, 1.0f);
        }
    }
    std::sort(firstDraws.begin(), firstDraws.end());
    EXPECT_EQ(std::adjacent_find(firstDraws.begin(), firstDraws.end()), firstDraws.end());
}

TEST(Randomness, AGameNumberReplaysItsChainOfSeeds) {
    SeedChain a(GameNumber{99}), b(GameNumber{99}), other(GameNumber{100});
    for (int fill = 0; fill < 3; ++fill) {
        const std::uint64_t seed = a.next();
        ASSERT_EQ(seed, b.next());
        EXPECT_NE(seed, other.next());
    }
    EXPECT_NE(nextGameNumber(GameNumber{99}), GameNumber{99});
    EXPECT_EQ(nextGameNumber(GameNumber{99}), nextGameNumber(GameNumber{99}));
}

} // namespace
} // namespace quadrelle::test
