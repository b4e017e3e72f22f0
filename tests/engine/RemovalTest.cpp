#include "GameHarness.h"

namespace quadrelle::test {
namespace {

TEST(RemoveAllMarked, TurnsExactlyTheMarkedSquaresIntoGapsKeepingPicturesAndMarks) {
    GameHarness h;
    h.lay(quietBoardWith({{4, "1234"}, {5, "."}, {20, "3up"}}));
    for (int i : {4, 5, 20}) h.board()[i].marked = true;
    h.game.MarkAsRemoved2(20);
    const Board before = h.board();
    h.game.RemoveAllMarked(false);
    for (int i = 0; i < kSquareCount; ++i) {
        const bool marked = i == 4 || i == 5 || i == 20;
        EXPECT_EQ(h.board().kind(i), marked ? Kind::Removed : before.kind(i)) << i;
        EXPECT_EQ(h.board()[i].picture, before[i].picture) << i;
        EXPECT_EQ(h.board()[i].marked, marked) << i;
    }
    EXPECT_EQ(h.board()[20].picture, Picture::Tri3r);
    EXPECT_TRUE(h.enabled(TimerId::ClearSq));
}

TEST(RemoveAllMarked, WithNothingMarkedStillSoundsAndStartsTheClearing) {
    GameHarness h;
    const Board before = h.board();
    h.game.RemoveAllMarked(false);
    EXPECT_EQ(h.board(), before);
    EXPECT_EQ(h.sound.played, std::vector<int>{0});
    EXPECT_TRUE(h.enabled(TimerId::ClearSq));
}

TEST(RemoveAllMarked, ASingleRemovalSoundsTheShortClipAndAReactionTheLongOne) {
    GameHarness h;
    h.game.RemoveAllMarked(true);
    h.game.RemoveAllMarked(false);
    EXPECT_EQ(h.sound.played, (std::vector<int>{1, 0})); // resources 102, then 101
}

TEST(Clearing, EmptiesEveryGapClearsItsMarkAndHandsOverToTheFall) {
    GameHarness h;
    h.lay(quietBoardWith({{0, "2"}, {1, "2"}, {2, "2"}}, "014"));
    h.game.ScanReactions();
    ASSERT_TRUE(h.enabled(TimerId::ClearSq));
    const Board before = h.board();
    h.clock.advanceBy(499);
    EXPECT_EQ(h.board(), before);
    h.clock.advanceBy(1);
    for (int i = 0; i < kSquareCount; ++i) {
        const Square expected = i < 3 ? Square{Kind::Removed, Picture::SqEmpty, false} : before[i];
        EXPECT_EQ(h.board()[i], expected) << i;
    }
    EXPECT_FALSE(h.enabled(TimerId::ClearSq));
    EXPECT_TRUE(h.enabled(TimerId::MoveDown));
}

TEST(Clearing, TwentyReactionsRaiseTheLevelOnceInPlayOnly) {
    struct Case {
        std::int64_t reactions;
        bool newGame;
        int gaps;
        std::int64_t level, reactionsAfter, leftAfter;
    };
    const Case cases[] = {
        {20, false, 3, 4, 0, 20},  {25, false, 6, 4, 0, 20}, {19, false, 3, 3, 19, 1},
        {25, true, 3, 3, 25, -5}, {25, false, 0, 3, 25, -5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.reactions) + (c.newGame ? " settling" : " in play") + ", " +
                     std::to_string(c.gaps) + " gaps");
        GameHarness h;
        for (int i = 0; i < c.gaps; ++i) h.board().setKind(10 + i, Kind::Removed);
        h.counters().level = 3;
        h.counters().reactionCount = c.reactions;
        h.counters().reactionsLeft = 20 - c.reactions;
        h.counters().newGame = c.newGame;
        h.game.TimerClearSq_Timer();
        EXPECT_EQ(h.counters().level, c.level);
        EXPECT_EQ(h.counters().reactionCount, c.reactionsAfter);
        EXPECT_EQ(h.counters().reactionsLeft, c.leftAfter);
        EXPECT_TRUE(h.enabled(TimerId::MoveDown));
    }
}

TEST(Clearing, ATickWithoutGapsChangesNoSquare) {
    GameHarness h;
    h.clock.setEnabled(TimerId::ClearSq, true);
    const Board before = h.board();
    h.clock.advanceBy(500);
    EXPECT_EQ(h.board(), before);
    EXPECT_FALSE(h.enabled(TimerId::ClearSq));
    EXPECT_TRUE(h.enabled(TimerId::MoveDown));
}

TEST(Clearing, ALevelUpMakesTheNextRefillUseTheNewOdds) {
    GameHarness h;
    h.board().setKind(0, Kind::Removed);
    h.counters().level = 3;
    h.counters().reactionCount = 20;
    h.game.TimerClearSq_Timer();
    h.random.script.push_back(0.9999f); // the top draw: "0" at level 3, the wildcard from 4
    h.game.FillBoard(true);
    EXPECT_EQ(h.board().kind(0), Kind::Wildcard);
}

} // namespace
} // namespace quadrelle::test
