// SPDX-License-Identifier: MIT
#include "removal/Removal.h"
#include "GameHarness.h"
#include "removal/Marking.h"

namespace quadrelle::test {
namespace {

TEST(RemoveMarked, TurnsExactlyTheMarkedSquaresIntoGapsKeepingPicturesAndMarks) {
    Board board = boardOf(quietBoardWith({{4, "1234"}, {5, "."}, {20, "3up"}}));
    for (int i : {4, 5, 20}) board[i].marked = true;
    showMarked(board, 20);
    const Board before = board;
    removeMarked(board);
    for (int i = 0; i < kSquareCount; ++i) {
        const bool marked = i == 4 || i == 5 || i == 20;
        EXPECT_EQ(board.kind(i), marked ? Kind::Removed : before.kind(i)) << i;
        EXPECT_EQ(board[i].picture, before[i].picture) << i;
        EXPECT_EQ(board[i].marked, marked) << i;
    }
    EXPECT_EQ(board[20].picture, Picture::Tri3r);
}

TEST(RemoveMarked, WithNothingMarkedChangesNothing) {
    Board board = boardOf(quietBoard());
    const Board before = board;
    removeMarked(board);
    EXPECT_EQ(board, before);
}

TEST(RemoveMarked, ASingleRemovalSoundsTheShortClipAndAReactionTheLongOneAndBothStartTheClearing) {
    GameHarness h;
    h.lay(quietBoardWith({{0, "2"}, {1, "2"}, {2, "2"}}, "014"));
    h.edit([&](Position& p) { p.counters.removes = 1; });
    h.game.press(20, Button::Special, Half::Upper);
    EXPECT_TRUE(h.enabled(TimerId::ClearSq));
    h.clock.setEnabled(TimerId::ClearSq, false);
    h.scan();
    EXPECT_TRUE(h.enabled(TimerId::ClearSq));
    EXPECT_EQ(h.sound.played, (std::vector<Clip>{Clip::SingleRemoval, Clip::Reaction}));
}

TEST(Clearing, EmptiesEveryGapClearsItsMarkAndHandsOverToTheFall) {
    GameHarness h;
    h.lay(quietBoardWith({{0, "2"}, {1, "2"}, {2, "2"}}, "014"));
    h.scan();
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
        bool freshBoard;
        int gaps;
        std::int64_t level, reactionsAfter, leftAfter;
    };
    const Case cases[] = {
        {20, false, 3, 4, 0, 20}, {25, false, 6, 4, 0, 20},  {19, false, 3, 3, 19, 1},
        {25, true, 3, 3, 25, -5}, {25, false, 0, 3, 25, -5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.reactions) + (c.freshBoard ? " settling" : " in play") + ", " +
                     std::to_string(c.gaps) + " gaps");
        GameHarness h;
        h.edit([&](Position& p) {
            for (int i = 0; i < c.gaps; ++i) p.board.setKind(10 + i, Kind::Removed);
            p.counters.level = 3;
            p.counters.reactionCount = c.reactions;
            p.counters.reactionsLeft = 20 - c.reactions;
            p.counters.freshBoard = c.freshBoard;
        });
        h.game.tick(TimerId::ClearSq);
        EXPECT_EQ(h.counters().level, c.level);
        EXPECT_EQ(h.events.seen.size(), c.level > 3 ? 1u : 0u); // "level 4"
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
    h.edit([&](Position& p) {
        p.board.setKind(0, Kind::Removed);
        p.counters.level = 3;
        p.counters.reactionCount = 20;
    });
    h.game.tick(TimerId::ClearSq);
    EXPECT_EQ(h.events.seen, std::vector<std::string>{"level 4"});
    h.random.script.push_back(0.9999f); // the top draw: "0" at level 3, the wildcard from 4
    h.game.tick(TimerId::FillUp);
    EXPECT_EQ(h.board().kind(0), Kind::Wildcard);
}

} // namespace
} // namespace quadrelle::test
