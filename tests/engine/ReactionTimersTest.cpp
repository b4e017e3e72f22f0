// SPDX-License-Identifier: MIT
#include "GameHarness.h"

namespace quadrelle::test {
namespace {

constexpr int kSquare = 14;

TEST(ReactionPause, APlainReleaseThatSetsOffNothingIsFollowedByExactlyOneScanASecondLater) {
    GameHarness h;
    h.lay(quietBoardWith({{kSquare, "2up"}}, "014", true));
    h.click(kSquare);
    EXPECT_EQ(h.board().kind(kSquare), Kind::K3up);
    EXPECT_EQ(h.board()[kSquare].picture, Picture::Sq3up);
    EXPECT_EQ(h.counters().score, 1);
    h.clock.advanceBy(999);
    EXPECT_EQ(h.ticksOf(TimerId::WaitAfterClick), 0);
    h.clock.advanceBy(1);
    EXPECT_EQ(h.ticksOf(TimerId::WaitAfterClick), 1);
    EXPECT_FALSE(h.clock.anyChainTimerEnabled());
    h.clock.advanceBy(10000);
    EXPECT_EQ(h.ticks.size(), 1u);
    EXPECT_FALSE(h.counters().comboShown);
}

TEST(ReactionPause, ThreeClicksHalfASecondApartAreScannedOnceASecondAfterTheLast) {
    GameHarness h;
    h.lay(quietBoardWith({{kSquare, "0up"}, {12, "3"}, {13, "3"}}, "014"));
    const Kind steps[] = {Kind::K1up, Kind::K2up, Kind::K3up};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) h.clock.advanceBy(500);
        h.click(kSquare);
        EXPECT_EQ(h.board().kind(kSquare), steps[i]);
    }
    EXPECT_EQ(h.counters().score, 3);
    h.clock.advanceBy(999);
    EXPECT_EQ(h.board().kind(kSquare), Kind::K3up);
    EXPECT_EQ(h.ticksOf(TimerId::WaitAfterClick), 0);
    h.clock.advanceBy(1);
    ASSERT_EQ(h.ticksOf(TimerId::WaitAfterClick), 1);
    EXPECT_EQ(h.ticks.back().at, 2000);
    EXPECT_EQ(h.board().kind(kSquare), Kind::Removed);
    EXPECT_EQ(h.counters().score, 13);
}

// Both pauses after a fill end in the same procedure: for equal boards and counters they
// leave equal boards, counters and timers.
TEST(ReactionPause, ThePausesAfterAFillAndAfterARefillBehaveAlike) {
    const std::string boards[] = {quietBoardWith({{0, "2"}, {1, "2"}, {2, "2"}}, "014"),
                                  quietBoard("014", true)};
    for (const std::string& layout : boards) {
        for (bool newGame : {false, true}) {
            GameHarness init, refill;
            for (GameHarness* h : {&init, &refill}) {
                h->lay(layout);
                h->edit([&](Position& p) {
                    p.counters.comboCount = 2;
                    p.counters.freshBoard = newGame;
                });
            }
            init.clock.setEnabled(TimerId::WaitAfterInit, true);
            refill.clock.setEnabled(TimerId::WaitAfterReactions, true);
            init.clock.advanceBy(1000);
            refill.clock.advanceBy(200);
            EXPECT_EQ(init.board(), refill.board());
            EXPECT_EQ(init.counters().comboCount, refill.counters().comboCount);
            EXPECT_EQ(init.counters().comboShown, refill.counters().comboShown);
            EXPECT_EQ(init.counters().score, refill.counters().score);
            for (TimerId t : kAllTimers) {
                if (t != TimerId::WaitAfterInit && t != TimerId::WaitAfterReactions) {
                    EXPECT_EQ(init.enabled(t), refill.enabled(t)) << int(t);
                }
            }
        }
    }
}

TEST(SettleCheck, ShowsTheBannerForTwoOrMoreRunsInPlayOnly) {
    struct Case {
        int combo;
        bool freshBoard;
        bool shown;
    };
    for (const Case& c :
         {Case{2, false, true}, Case{1, false, false}, Case{0, false, false}, Case{5, true, false}}) {
        GameHarness h;
        h.lay(quietBoard("014", true));
        h.edit([&](Position& p) {
            p.counters.comboCount = c.combo;
            p.counters.freshBoard = c.freshBoard;
            p.counters.comboShown = !c.shown; // the check sets it either way
        });
        h.clock.setEnabled(TimerId::WaitAfterReactions, true);
        h.clock.advanceBy(200);
        EXPECT_EQ(h.counters().comboShown, c.shown) << c.combo << c.freshBoard;
        EXPECT_EQ(h.enabled(TimerId::HideCombo), c.shown);
        EXPECT_EQ(h.counters().comboCount, c.combo); // the check never changes the count
    }
}

TEST(ComboBanner, APlainReleaseHidesTheBannerAtOnceAndNoLateTickFollows) {
    GameHarness h;
    h.lay(quietBoard("014", true));
    h.edit([&](Position& p) { p.counters.comboCount = 3; });
    h.clock.setEnabled(TimerId::WaitAfterReactions, true);
    h.clock.advanceBy(200);
    ASSERT_TRUE(h.counters().comboShown);
    h.clock.advanceBy(1000);
    h.click(5);
    EXPECT_FALSE(h.counters().comboShown);
    EXPECT_EQ(h.counters().comboCount, 0);
    EXPECT_FALSE(h.enabled(TimerId::HideCombo));
    h.clock.advanceBy(5000);
    EXPECT_EQ(h.ticksOf(TimerId::HideCombo), 0);
}

TEST(ComboBanner, NewGameZeroesTheCountButLeavesTheBannerUntilTheNewBoardSettles) {
    GameHarness h;
    h.lay(quietBoard("014", true));
    h.edit([&](Position& p) { p.counters.comboCount = 3; });
    h.clock.setEnabled(TimerId::WaitAfterReactions, true);
    h.clock.advanceBy(200);
    ASSERT_TRUE(h.counters().comboShown);
    h.scriptBoard(quietBoard("024", true));
    h.game.newGame();
    EXPECT_EQ(h.counters().comboCount, 0);
    EXPECT_TRUE(h.counters().comboShown);
    EXPECT_TRUE(h.enabled(TimerId::HideCombo));
    h.clock.advanceBy(1000); // the new board settles before the banner's own timer fires
    EXPECT_FALSE(h.counters().comboShown);
    EXPECT_EQ(h.text(), boardText(quietBoard("024", true)));
}

} // namespace
} // namespace quadrelle::test
