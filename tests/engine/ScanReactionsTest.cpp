// SPDX-License-Identifier: MIT
#include "GameHarness.h"

namespace quadrelle::test {
namespace {

// Replaces the squares of row r from its left end.
std::string withRow(int r, std::initializer_list<std::string_view> kinds, std::string_view colours = "012",
                    bool arrows = true) {
    auto base = parseBoard(quietBoard(colours, arrows));
    std::string text;
    int column = 0;
    std::array<std::string, kSquareCount> texts;
    for (int i = 0; i < kSquareCount; ++i)
        texts[static_cast<std::size_t>(i)] = kindText(base[static_cast<std::size_t>(i)]);
    for (std::string_view k : kinds) texts[static_cast<std::size_t>(indexOf(r, column++))] = k;
    for (const auto& t : texts) text += t + " ";
    return text;
}

TEST(ScanReactions, AWildcardCompletesARunOfItsNeighboursColour) {
    GameHarness h;
    h.lay(withRow(0, {"3", "3up", "1234", "2", "1", "0"}, "014"));
    h.edit([&](Position& p) {
        p.counters.score = 100;
        p.counters.reactionCount = 5;
        p.counters.comboCount = 0;
    });
    const Board before = h.board();
    EXPECT_EQ(h.scan(), 1);
    for (int i : {0, 1, 2}) {
        EXPECT_EQ(h.board().kind(i), Kind::Removed) << i;
        EXPECT_EQ(h.board()[i].picture, Picture::Tri3r) << i;
        EXPECT_TRUE(h.board()[i].marked) << i;
    }
    for (int i = 3; i < kSquareCount; ++i) EXPECT_EQ(h.board()[i], before[i]) << i;
    EXPECT_EQ(h.counters().reactionCount, 6);
    EXPECT_EQ(h.counters().comboCount, 1);
    EXPECT_EQ(h.counters().score, 110);
    EXPECT_EQ(h.counters().reactionsLeft, 14);
    EXPECT_EQ(h.sound.played, std::vector<Clip>{Clip::Reaction});
    EXPECT_TRUE(h.enabled(TimerId::ClearSq));
}

TEST(ScanReactions, FourInALineAreTwoRunsAndFiveAreThree) {
    GameHarness h;
    h.lay(withRow(2, {"2", "2", "2down", "2up"}, "014"));
    EXPECT_EQ(h.scan(), 2);
    EXPECT_EQ(h.counters().score, 20);
    GameHarness five;
    five.lay(withRow(2, {"2", "2", "2down", "2up", "2updown"}, "014"));
    EXPECT_EQ(five.scan(), 3);
}

TEST(ScanReactions, ARowOfSixSweepsItsColourFromTheWholeBoardAndEarnsAnEraser) {
    GameHarness h;
    h.lay(withRow(1, {"4", "4", "4", "4", "4", "4"}, "012"));
    h.edit([&](Position& p) {
        p.board.setKindAndPicture(20, Kind::K4down);
        p.board.setKindAndPicture(33, Kind::K4);
        p.board.setKindAndPicture(26, Kind::Wildcard);
    });
    const Board before = h.board();
    EXPECT_EQ(h.scan(), 4);
    EXPECT_EQ(h.counters().removes, 1);
    EXPECT_EQ(h.counters().score, 40);
    EXPECT_EQ(h.counters().reactionCount, 4);
    for (int i = 0; i < kSquareCount; ++i) {
        const bool swept = rowOf(i) == 1 || i == 20 || i == 33;
        EXPECT_EQ(h.board().kind(i), swept ? Kind::Removed : before.kind(i)) << i;
        if (swept) {
            EXPECT_EQ(h.board()[i].picture, Picture::Tri4r) << i;
        }
    }
}

TEST(ScanReactions, AWildcardTakenByTheLeftRunNoLongerServesTheRunToItsRight) {
    GameHarness h;
    h.lay(withRow(4, {"1", "1", "1234", "2", "2", "0"}, "034"));
    EXPECT_EQ(h.scan(), 1);
    for (int c = 0; c < 6; ++c) EXPECT_EQ(h.board().kind(indexOf(4, c)) == Kind::Removed, c < 3) << c;
}

TEST(ScanReactions, RowsAreTestedBeforeColumnsSoACornerWildcardGoesToTheRow) {
    GameHarness h;
    // Row 0: 2 2 W; column 2 below the wildcard: 3 3. Only the row reacts.
    h.lay(quietBoardWith({{0, "2"}, {1, "2"}, {2, "1234"}, {8, "3"}, {14, "3"}}, "014"));
    EXPECT_EQ(h.scan(), 1);
    EXPECT_EQ(h.board().kind(2), Kind::Removed);
    EXPECT_EQ(h.board().kind(8), Kind::K3);
    EXPECT_EQ(h.board()[2].picture, Picture::Tri2r);
}

TEST(ScanReactions, ThreeWildcardsAreARunAndAMixedColumnOfArrowsToo) {
    GameHarness h;
    // A gap closes the row, so the wildcards cannot also run on with a neighbour.
    h.lay(quietBoardWith({{0, "1234"}, {1, "1234"}, {2, "1234"}, {3, "."}}, "023"));
    EXPECT_EQ(h.scan(), 1);
    EXPECT_EQ(h.board()[1].picture, Picture::Sq1234);
    GameHarness arrows;
    arrows.lay(quietBoardWith({{5, "1up"}, {11, "1"}, {17, "1down"}}, "023"));
    EXPECT_EQ(arrows.scan(), 1);
}

TEST(ScanReactions, ACrossOfFiveIsTwoRunsSharingTheCentre) {
    GameHarness h;
    h.lay(quietBoardWith({{13, "4"}, {14, "4"}, {15, "4"}, {8, "4down"}, {20, "4"}}, "012"));
    EXPECT_EQ(h.scan(), 2);
    EXPECT_EQ(h.counters().reactionCount, 2);
}

TEST(ScanReactions, AColumnOfTwoColoursSweepsTheColourOfItsLowestSquare) {
    GameHarness h;
    h.lay(quietBoardWith({{3, "1"},
                          {9, "1up"},
                          {15, "1"},
                          {21, "3"},
                          {27, "3down"},
                          {33, "3"},
                          {0, "3updown"},
                          {30, "3"},
                          {35, "1down"},
                          {11, "1234"}},
                         "024"));
    EXPECT_EQ(h.scan(), 2);
    EXPECT_EQ(h.counters().removes, 1);
    EXPECT_EQ(h.board().kind(0), Kind::Removed);
    EXPECT_EQ(h.board().kind(30), Kind::Removed);
    EXPECT_EQ(h.board().kind(35), Kind::K1down);
    EXPECT_EQ(h.board().kind(11), Kind::Wildcard);
}

TEST(ScanReactions, ALineOfColourOneSweepsTheWildcardsToo) {
    GameHarness h;
    h.lay(withRow(5, {"1", "1up", "1", "1down", "1", "1updown"}, "023"));
    h.edit([&](Position& p) {
        p.board.setKindAndPicture(3, Kind::Wildcard);
        p.board.setKindAndPicture(16, Kind::Wildcard);
    });
    EXPECT_EQ(h.scan(), 4);
    EXPECT_EQ(h.board().kind(3), Kind::Removed);
    EXPECT_EQ(h.board().kind(16), Kind::Removed);
    EXPECT_EQ(h.board()[3].picture, Picture::Sq1234); // a swept wildcard keeps its own picture
}

TEST(ScanReactions, ALineOfSixWildcardsSweepsNothingButEarnsAnEraser) {
    GameHarness h;
    h.lay(withRow(3, {"1234", "1234", "1234", "1234", "1234", "1234"}, "012", false));
    const Board before = h.board();
    EXPECT_EQ(h.scan(), 4);
    EXPECT_EQ(h.counters().removes, 1);
    for (int i = 0; i < kSquareCount; ++i)
        EXPECT_EQ(h.board().kind(i), rowOf(i) == 3 ? Kind::Removed : before.kind(i)) << i;
}

TEST(ScanReactions, TheEraserCountStopsAtThree) {
    for (const auto& [start, expected] : std::vector<std::pair<int, int>>{{0, 1}, {2, 3}, {3, 3}}) {
        GameHarness h;
        h.lay(withRow(0, {"2", "2", "2", "2", "2", "2"}, "014"));
        h.edit([&](Position& p) { p.counters.removes = start; });
        h.scan();
        EXPECT_EQ(h.counters().removes, expected) << start;
    }
}

TEST(ScanReactions, ALineIsPaidOnceEvenWhileItsGapsWaitForTheClearing) {
    GameHarness h;
    h.lay(withRow(1, {"4", "4", "4", "4", "4", "4"}, "012"));
    h.edit([&](Position& p) { p.counters.freshBoard = false; });
    ASSERT_EQ(h.scan(), 4);
    ASSERT_EQ(h.counters().removes, 1);
    // Before the clearing tick the six gaps are still marked: later scans, such as the tries of
    // a colour search or a click's scan, must not pay for the same line again.
    EXPECT_EQ(h.scan(), 0);
    h.game.press(0, Button::Special, Half::Upper);
    h.game.release(0, Button::Special, Half::Upper);
    EXPECT_EQ(h.counters().removes, 1);
    h.clock.runUntilAtRest();
    EXPECT_EQ(h.counters().removes, 1);
}

TEST(ScanReactions, SweptSquaresCompleteRowsFurtherDownButRowsAboveAreNotLookedAtAgain) {
    GameHarness below; // the sweep of row 0 completes row 3: two erasers
    below.lay(quietBoardWith({{0, "4"},
                              {1, "4"},
                              {2, "4"},
                              {3, "4"},
                              {4, "4"},
                              {5, "4"},
                              {18, "4"},
                              {19, "4down"},
                              {20, "2"},
                              {21, "2"},
                              {22, "2"},
                              {23, "4"}},
                             "013"));
    EXPECT_EQ(below.scan(), 5);
    EXPECT_EQ(below.counters().removes, 2);
    GameHarness above; // the sweep of row 3 completes row 0, which is not looked at again
    above.lay(quietBoardWith({{0, "4"},
                              {1, "4"},
                              {2, "2"},
                              {3, "2"},
                              {4, "2"},
                              {5, "4"},
                              {18, "4"},
                              {19, "4down"},
                              {20, "4"},
                              {21, "4"},
                              {22, "4"},
                              {23, "4"}},
                             "013"));
    EXPECT_EQ(above.scan(), 5);
    EXPECT_EQ(above.counters().removes, 1);
    for (int i : {0, 1, 5}) EXPECT_EQ(above.board().kind(i), Kind::Removed) << i;
}

TEST(ScanReactions, WhileANewBoardSettlesRunsCountButDoNotScore) {
    GameHarness h;
    h.lay(quietBoardWith({{6, "3"}, {7, "3"}, {8, "3"}, {9, "3"}}, "014", true));
    h.edit([&](Position& p) {
        p.counters.freshBoard = true;
        p.counters.score = 7;
        p.counters.reactionsLeft = 20;
        p.counters.reactionCount = 4;
        p.counters.comboCount = 1;
    });
    EXPECT_EQ(h.scan(), 2);
    EXPECT_EQ(h.counters().reactionCount, 6);
    EXPECT_EQ(h.counters().comboCount, 3);
    EXPECT_EQ(h.counters().score, 7);
    EXPECT_EQ(h.counters().reactionsLeft, 20);
}

TEST(ScanReactions, ReactionsLeftCanFallBelowZeroUntilTheLevelUp) {
    GameHarness h;
    h.lay(quietBoardWith({{6, "3"}, {7, "3"}, {8, "3"}, {9, "3"}}, "014", true));
    h.edit([&](Position& p) { p.counters.reactionCount = 19; });
    h.scan();
    EXPECT_EQ(h.counters().reactionCount, 21);
    EXPECT_EQ(h.counters().reactionsLeft, -1);
}

TEST(ScanReactions, GameOverNeedsABoardWithoutArrowsOrGaps) {
    GameHarness plain; // the harness board: plain squares only
    plain.edit([&](Position& p) { p.board.setKindAndPicture(10, Kind::Wildcard); });
    EXPECT_EQ(plain.scan(), 0);
    EXPECT_TRUE(plain.counters().gameOver);
    for (std::string_view changeable : {"3updown", "0up", "4down", "."}) {
        GameHarness h;
        h.lay(quietBoardWith({{17, changeable}}));
        h.edit([&](Position& p) {
            p.counters.removes = 3;
        }); // erasers left do not keep a game going, but arrows and gaps do
        EXPECT_EQ(h.scan(), 0);
        EXPECT_FALSE(h.counters().gameOver) << changeable;
    }
}

TEST(ScanReactions, AScanThatFindsRunsDoesNotCheckForGameOver) {
    GameHarness h;
    h.lay(withRow(0, {"2", "2", "2"}, "014", false));
    h.edit([&](Position& p) { p.counters.score = 500; });
    EXPECT_EQ(h.scan(), 1);
    EXPECT_FALSE(h.counters().gameOver);
    EXPECT_EQ(h.counters().highScore, 0);
}

TEST(ScanReactions, TheGameOverBannerShowsDuringAColourSearchOnTheLastArrowAndStays) {
    GameHarness h; // "1updown" tries 2up, 0, 3up, 4: the plain "0" ends the game, "4" reacts
    h.lay(quietBoardWith({{14, "1updown"}, {12, "4"}, {13, "4"}}, "012"));
    h.game.press(14, Button::Special, Half::Upper);
    EXPECT_TRUE(h.counters().gameOver);
    EXPECT_EQ(h.board().kind(14), Kind::Removed);
    GameHarness none; // no try reacts: the square gets its arrow back, the banner stays
    none.lay(quietBoardWith({{14, "3up"}}, "012"));
    none.game.press(14, Button::Special, Half::Upper);
    EXPECT_EQ(none.board().kind(14), Kind::K3up);
    EXPECT_TRUE(none.counters().gameOver);
}

} // namespace
} // namespace quadrelle::test
