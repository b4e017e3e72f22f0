// SPDX-License-Identifier: MIT
#include "GameHarness.h"

namespace quadrelle::test {
namespace {

// A window that has just been created: nothing loaded yet.
struct FreshWindow {
    VirtualClock clock;
    ScriptedRandom random;
    RecordingSound sound;
    RecordingEvents events;
    Game game{{clock, random, sound, events}};
};

TEST(Load, AFirstRunWithoutSavedSettingsStartsAtLevelOneWithEverythingAtZero) {
    FreshWindow w;
    w.game.start({}, GameNumber{7});
    const Counters& c = w.game.counters();
    EXPECT_EQ(c.highScore, 0);
    EXPECT_EQ(c.startLevel, 1);
    EXPECT_EQ(c.level, 1);
    EXPECT_EQ(c.score, 0);
    EXPECT_EQ(c.reactionsLeft, 20);
    EXPECT_EQ(c.removes, 0);
    EXPECT_EQ(c.comboCount, 0);
    EXPECT_FALSE(c.comboShown);
    EXPECT_FALSE(c.gameOver);
    EXPECT_TRUE(c.freshBoard);
    EXPECT_EQ(c.reactionCount, 0);
    EXPECT_FALSE(c.pressedHalf.has_value());
    for (const Square& square : w.game.board()) {
        EXPECT_TRUE(isPlain(square.kind) || isArrow(square.kind)); // level 1: no wildcard
        EXPECT_EQ(square.picture, pictureOf(square.kind));
        EXPECT_FALSE(square.marked);
    }
    for (TimerId t : kAllTimers) EXPECT_EQ(w.clock.isEnabled(t), t == TimerId::WaitAfterInit) << int(t);
    EXPECT_EQ(w.random.reseeds, 1);
}

TEST(Load, ASavedStartLevelOfFourStartsTheFirstGameAtFour) {
    FreshWindow w;
    w.game.start({120, 4}, GameNumber{7});
    EXPECT_EQ(w.game.counters().startLevel, 4);
    EXPECT_EQ(w.game.counters().level, 4);
    EXPECT_EQ(w.game.counters().highScore, 120);
}

TEST(Load, AFreshBoardWithoutArrowsEndsTheGameBeforeThePlayerHasPlayed) {
    GameHarness h;
    h.scriptBoard(quietBoard("013"));
    h.game.start({0, 1}, GameNumber{7});
    h.clock.advanceBy(1000);
    EXPECT_TRUE(h.counters().gameOver);
    EXPECT_TRUE(h.counters().freshBoard);
    EXPECT_FALSE(h.counters().comboShown);
}

TEST(StartLevel, SetsTheLevelOfTheNextNewGameButNotTheLevelBeingPlayed) {
    GameHarness h;
    h.game.setStartLevel(2);
    EXPECT_EQ(h.counters().startLevel, 2);
    EXPECT_EQ(h.counters().level, 1);
    h.game.setStartLevel(7);
    EXPECT_EQ(h.counters().startLevel, 7);
    EXPECT_EQ(h.counters().level, 1);
    h.game.newGame();
    EXPECT_EQ(h.counters().level, 7);
}

TEST(StartLevel, CannotLeaveOneToNine) {
    GameHarness h;
    h.game.setStartLevel(9);
    h.game.setStartLevel(10);
    EXPECT_EQ(h.counters().startLevel, 9);
    h.game.setStartLevel(0);
    EXPECT_EQ(h.counters().startLevel, 1);
}

TEST(NewGame, AfterGameOverResetsTheGameButKeepsHighScoreStartLevelAndPressHeight) {
    GameHarness h;
    h.game.setStartLevel(4);
    h.game.press(3, Button::Plain, Half::Upper);
    h.edit([&](Position& p) {
        p.counters.score = 150;
        p.counters.highScore = 120;
        p.counters.level = 6;
        p.counters.reactionsLeft = 3;
        p.counters.reactionCount = 17;
        p.counters.removes = 2;
        p.counters.comboCount = 1;
    });
    h.scan(); // a plain board: game over
    ASSERT_TRUE(h.counters().gameOver);
    h.game.newGame();
    const Counters& c = h.counters();
    EXPECT_FALSE(c.gameOver);
    EXPECT_EQ(c.score, 0);
    EXPECT_EQ(c.reactionsLeft, 20);
    EXPECT_EQ(c.comboCount, 0);
    EXPECT_EQ(c.reactionCount, 0);
    EXPECT_EQ(c.removes, 0);
    EXPECT_TRUE(c.freshBoard);
    EXPECT_EQ(c.level, 4);
    EXPECT_EQ(c.highScore, 150);
    EXPECT_EQ(c.startLevel, 4);
    EXPECT_EQ(c.pressedHalf, Half::Upper);
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterInit));
}

TEST(NewGame, StopsOnlyTheAnimationTimers) {
    GameHarness h;
    for (TimerId t : kAllTimers) h.clock.setEnabled(t, true);
    h.game.newGame();
    for (TimerId t : kAllTimers) {
        const bool animation = t == TimerId::ClearSq || t == TimerId::MoveDown || t == TimerId::FillUp;
        EXPECT_EQ(h.enabled(t), !animation) << int(t);
    }
}

TEST(Unload, SavesAClearedHighScoreAndTheStartLevelForTheNextRun) {
    GameHarness h;
    h.game.start({500, 2}, GameNumber{7}); // then No or Cancel: nothing reaches the game
    EXPECT_EQ(h.counters().highScore, 500);
    h.game.clearHighScore();
    EXPECT_EQ(h.counters().highScore, 0);
    h.game.setStartLevel(7);
    h.edit([&](Position& p) { p.counters.removes = 2; }); // the erasers are not saved
    const Settings saved = h.game.settingsToSave();
    EXPECT_EQ(saved.highScore, 0);
    EXPECT_EQ(saved.startLevel, 7);
    FreshWindow next;
    next.game.start(saved, GameNumber{8});
    EXPECT_EQ(next.game.counters().highScore, 0);
    EXPECT_EQ(next.game.counters().startLevel, 7);
    EXPECT_EQ(next.game.counters().level, 7);
    EXPECT_EQ(next.game.counters().removes, 0);
}

TEST(HighScore, ALaterGameInTheSameRunCanRaiseAClearedHighScoreAgain) {
    GameHarness h;
    h.edit([&](Position& p) {
        p.counters.score = 120;
        p.counters.highScore = 90;
    });
    h.scan();
    EXPECT_EQ(h.counters().highScore, 120);
    h.game.clearHighScore();
    h.scriptBoard(quietBoard("013"));
    h.game.newGame();
    h.edit([&](Position& p) {
        p.counters.freshBoard = false;
        p.counters.score = 50;
    });
    h.clock.advanceBy(1000);
    EXPECT_TRUE(h.counters().gameOver);
    EXPECT_EQ(h.counters().highScore, 50);
    EXPECT_EQ(h.events.seen[0], "high score 120");
    EXPECT_EQ(h.events.seen.back(), "game over 50");
}

TEST(Events, GameOverAndARaisedHighScoreAreReportedOncePerGameAndEachNewGameByItsNumber) {
    GameHarness h;
    h.edit([&](Position& p) {
        p.counters.score = 120;
        p.counters.highScore = 90;
    });
    h.scan();
    h.scan(); // the banner is up already, and the high score is this score
    h.game.newGame(GameNumber{42});
    EXPECT_EQ(h.events.seen, (std::vector<std::string>{"high score 120", "game over 120", "new game 42"}));
    h.game.newGame();
    EXPECT_EQ(h.events.seen.back(), "new game " + std::to_string(nextGameNumber(GameNumber{42}).value));
}

TEST(Events, OnlyEventsThatChangeACounterReportIt) {
    GameHarness h;
    h.lay(quietBoardWith({{14, "2up"}}, "014", true));
    h.game.press(14, Button::Plain, Half::Upper); // the press half changes
    EXPECT_EQ(h.events.counterChanges, 1);
    h.game.press(14, Button::Plain, Half::Upper);
    h.game.tick(TimerId::HideCombo);
    h.game.setStartLevel(1);
    EXPECT_EQ(h.events.counterChanges, 1);
    h.game.release(14, Button::Plain, Half::Upper); // a step scores
    EXPECT_EQ(h.events.counterChanges, 2);
}

} // namespace
} // namespace quadrelle::test
