#include "GameHarness.h"

namespace quadrelle::test {
namespace {

// A window that has just been created: nothing loaded yet.
struct FreshWindow {
    VirtualClock clock;
    ScriptedRandom random{7};
    RecordingSound sound;
    Game game{clock, random, sound};
};

TEST(Load, AFirstRunWithoutSavedSettingsStartsAtLevelOneWithEverythingAtZero) {
    FreshWindow w;
    w.game.Form_Load("", "");
    const Counters& c = w.game.counters();
    const Captions captions = captionsOf(c);
    EXPECT_EQ(captions.highScore, "0");
    EXPECT_EQ(captions.startLevel, "1");
    EXPECT_EQ(c.scrollValue, 9);
    EXPECT_EQ(captions.level, "1");
    EXPECT_EQ(captions.score, "0");
    EXPECT_EQ(captions.reactionsLeft, "20");
    EXPECT_EQ(captions.removes, "0");
    EXPECT_EQ(captions.comboCount, "0");
    EXPECT_FALSE(c.comboCountVisible);
    EXPECT_FALSE(c.comboTextVisible);
    EXPECT_FALSE(c.gameOverVisible);
    EXPECT_TRUE(c.newGame);
    EXPECT_EQ(c.reactionCount, 0);
    EXPECT_FALSE(c.pressHeight.has_value());
    for (const Square& square : w.game.board()) {
        EXPECT_TRUE(isPlain(square.kind) || isArrow(square.kind)); // level 1: no wildcard
        EXPECT_EQ(square.picture, pictureOf(square.kind));
        EXPECT_FALSE(square.marked);
    }
    for (TimerId t : kAllTimers) EXPECT_EQ(w.clock.isEnabled(t), t == TimerId::WaitAfterInit) << timerName(t);
    EXPECT_EQ(w.random.reseeds, 1);
}

TEST(Load, ASavedStartLevelOfFourSetsTheScrollBarToSix) {
    FreshWindow w;
    w.game.Form_Load("120", "4");
    EXPECT_EQ(w.game.counters().scrollValue, 6);
    EXPECT_EQ(w.game.counters().startLevel, 4);
    EXPECT_EQ(w.game.counters().level, 4);
    EXPECT_EQ(w.game.counters().highScore, 120);
}

TEST(Load, AFreshBoardWithoutArrowsEndsTheGameBeforeThePlayerHasPlayed) {
    GameHarness h;
    h.scriptBoard(quietBoard("013"));
    h.game.Form_Load("0", "1");
    h.clock.advanceBy(1000);
    EXPECT_TRUE(h.counters().gameOverVisible);
    EXPECT_TRUE(h.counters().newGame);
    EXPECT_FALSE(h.counters().comboTextVisible);
}

TEST(StartLevel, TheScrollBarSetsTheStartLevelButNotTheLevelBeingPlayed) {
    GameHarness h;
    h.game.HScrollLevel_Change(8); // the top arrow, from 9
    EXPECT_EQ(h.counters().startLevel, 2);
    EXPECT_EQ(h.counters().level, 1);
    h.game.HScrollLevel_Change(3);
    EXPECT_EQ(h.counters().startLevel, 7);
    EXPECT_EQ(h.counters().level, 1);
    h.game.Command1_Click();
    EXPECT_EQ(h.counters().level, 7);
}

TEST(StartLevel, TheScrollBarCannotLeaveOneToNine) {
    GameHarness h;
    h.game.HScrollLevel_Change(1);
    h.game.HScrollLevel_Change(0);
    EXPECT_EQ(h.counters().scrollValue, 1);
    EXPECT_EQ(h.counters().startLevel, 9);
    h.game.HScrollLevel_Change(10);
    EXPECT_EQ(h.counters().scrollValue, 9);
    EXPECT_EQ(h.counters().startLevel, 1);
}

TEST(NewGame, AfterGameOverResetsTheGameButKeepsHighScoreStartLevelAndPressHeight) {
    GameHarness h;
    h.game.HScrollLevel_Change(6);
    h.game.sq_MouseDown(3, kLeftButton, 0, 321);
    h.counters().score = 150;
    h.counters().highScore = 120;
    h.counters().level = 6;
    h.counters().reactionsLeft = 3;
    h.counters().reactionCount = 17;
    h.counters().removes = 2;
    h.counters().comboCount = 1;
    h.game.ScanReactions(); // a plain board: game over
    ASSERT_TRUE(h.counters().gameOverVisible);
    h.game.Command1_Click();
    const Counters& c = h.counters();
    EXPECT_FALSE(c.gameOverVisible);
    EXPECT_EQ(c.score, 0);
    EXPECT_EQ(c.reactionsLeft, 20);
    EXPECT_EQ(c.comboCount, 0);
    EXPECT_EQ(c.reactionCount, 0);
    EXPECT_EQ(c.removes, 0);
    EXPECT_TRUE(c.newGame);
    EXPECT_EQ(c.level, 4);
    EXPECT_EQ(c.highScore, 150);
    EXPECT_EQ(c.startLevel, 4);
    EXPECT_EQ(c.pressHeight, 321.0f);
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterInit));
}

TEST(NewGame, StopsOnlyTheAnimationTimers) {
    GameHarness h;
    for (TimerId t : kAllTimers) h.clock.setEnabled(t, true);
    h.game.Command1_Click();
    for (TimerId t : kAllTimers) {
        const bool animation = t == TimerId::ClearSq || t == TimerId::MoveDown || t == TimerId::FillUp;
        EXPECT_EQ(h.enabled(t), !animation) << timerName(t);
    }
}

TEST(Unload, SavesAClearedHighScoreAndTheStartLevelForTheNextRun) {
    GameHarness h;
    h.game.Form_Load("500", "2");
    h.game.LabelClr_Click(false); // No or Cancel
    EXPECT_EQ(h.counters().highScore, 500);
    h.game.LabelClr_Click(true);
    EXPECT_EQ(h.counters().highScore, 0);
    h.game.HScrollLevel_Change(3);
    h.counters().removes = 2; // the erasers are not saved
    const SavedSettings saved = h.game.Form_Unload();
    EXPECT_EQ(saved.hiScore, "0");
    EXPECT_EQ(saved.startLevel, "7");
    FreshWindow next;
    next.game.Form_Load(saved.hiScore, saved.startLevel);
    EXPECT_EQ(next.game.counters().highScore, 0);
    EXPECT_EQ(next.game.counters().startLevel, 7);
    EXPECT_EQ(next.game.counters().scrollValue, 3);
    EXPECT_EQ(next.game.counters().level, 7);
    EXPECT_EQ(next.game.counters().removes, 0);
}

TEST(HighScore, ALaterGameInTheSameRunCanRaiseAClearedHighScoreAgain) {
    GameHarness h;
    h.counters().score = 120;
    h.counters().highScore = 90;
    h.game.ScanReactions();
    EXPECT_EQ(h.counters().highScore, 120);
    h.game.LabelClr_Click(true);
    h.scriptBoard(quietBoard("013"));
    h.game.Command1_Click();
    h.counters().newGame = false;
    h.counters().score = 50;
    h.clock.advanceBy(1000);
    EXPECT_TRUE(h.counters().gameOverVisible);
    EXPECT_EQ(h.counters().highScore, 50);
}

} // namespace
} // namespace quadrelle::test
