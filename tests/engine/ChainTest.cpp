// SPDX-License-Identifier: MIT
// Whole moves on the virtual clock, from the click to the settled board.
#include "GameHarness.h"
#include "game/Invariants.h"

namespace quadrelle::test {
namespace {

// Row 0 reads 3 3 2up 3: stepping the arrow makes two runs at once.
constexpr std::string_view kTwoRunMove = R"(
    3    3     2up   3     1up   4down
    1up  4down 0up   1up   4down 0up
    4down 0up  1up   4down 0up   1up
    0up  1up   4down 0up   1up   4down
    1up  4down 0up   1up   4down 0up
    4down 0up  1up   4down 0up   1up )";

TEST(Chain, TwoRunsThenOneShowTheBannerWithThreeUntilItsTimerHidesIt) {
    GameHarness h;
    h.lay(kTwoRunMove);
    h.refillWith({"4down", "4down", "4down", "0up"}); // the first refill makes one more run
    h.refillWith({"2up", "3up", "2up"});              // the second is quiet
    h.click(2);
    h.clock.advanceBy(1000);
    EXPECT_EQ(h.counters().comboCount, 2);
    EXPECT_EQ(h.counters().score, 21);
    h.clock.advanceBy(1100); // clear 500, fall 200, refill 200, pause 200
    EXPECT_EQ(h.counters().comboCount, 3);
    EXPECT_EQ(h.counters().score, 31);
    EXPECT_FALSE(h.counters().comboShown);
    h.clock.advanceBy(1099);
    EXPECT_FALSE(h.counters().comboShown);
    h.clock.advanceBy(1); // t = 3200: the refill pause finds nothing and settles
    EXPECT_TRUE(h.counters().comboShown);
    EXPECT_EQ(h.counters().comboCount, 3);
    EXPECT_FALSE(h.clock.anyChainTimerEnabled());
    EXPECT_EQ(h.text(), boardText(R"(
    2up  3up   2up   0up   1up   4down
    1up  4down 0up   1up   4down 0up
    4down 0up  1up   4down 0up   1up
    0up  1up   4down 0up   1up   4down
    1up  4down 0up   1up   4down 0up
    4down 0up  1up   4down 0up   1up )"));
    h.clock.advanceBy(1999);
    EXPECT_TRUE(h.counters().comboShown);
    h.clock.advanceBy(1);
    EXPECT_FALSE(h.counters().comboShown);
    EXPECT_EQ(h.counters().comboCount, 0);
    EXPECT_EQ(h.sound.played, (std::vector<Clip>{Clip::Reaction, Clip::Reaction}));
}

TEST(Chain, AMoveWithASingleRunShowsNoBannerAndKeepsTheCountUntilTheNextClick) {
    GameHarness h;
    h.lay(quietBoardWith({{14, "2up"}, {12, "3"}, {13, "3"}}, "014", true));
    h.refillWith({"2up", "3down", "2up"});
    h.click(14);
    h.clock.runUntilAtRest();
    EXPECT_EQ(h.counters().comboCount, 1);
    EXPECT_FALSE(h.counters().comboShown);
    h.click(0);
    EXPECT_EQ(h.counters().comboCount, 0);
}

TEST(Chain, ANewBoardSettlesWithoutScoringAndWithoutABanner) {
    GameHarness h;
    std::string board(kTwoRunMove);
    board.replace(board.find("2up"), 3, "3  ");
    h.scriptBoard(board);
    h.refillWith({"4down", "4down", "4down", "0up"});
    h.refillWith({"2up", "3up", "2up"});
    h.game.newGame();
    h.clock.runUntilAtRest();
    EXPECT_EQ(h.ticksOf(TimerId::WaitAfterInit), 1);
    EXPECT_EQ(h.ticksOf(TimerId::WaitAfterReactions), 2);
    EXPECT_EQ(h.counters().comboCount, 3);
    EXPECT_EQ(h.counters().reactionCount, 3);
    EXPECT_EQ(h.counters().score, 0);
    EXPECT_EQ(h.counters().reactionsLeft, 20);
    EXPECT_EQ(h.counters().level, 1);
    EXPECT_FALSE(h.counters().comboShown);
    EXPECT_FALSE(h.enabled(TimerId::HideCombo));
    EXPECT_TRUE(h.counters().freshBoard);
}

TEST(Chain, NewGameInTheMiddleOfTheAnimationStopsItBeforeItReachesTheNewBoard) {
    // Phases after a single removal at t = 0: clearing due at 500, fall at 700, refill at 900.
    for (std::int64_t clickAt : {100, 600, 800}) {
        SCOPED_TRACE("New Game at " + std::to_string(clickAt));
        GameHarness h;
        h.edit([&](Position& p) { p.counters.removes = 1; });
        h.click(14); // a plain square: spends the eraser, and the click pause runs too
        h.clock.advanceBy(clickAt);
        ASSERT_TRUE(h.clock.anyChainTimerEnabled());
        const std::string fresh = quietBoard("024", true);
        h.scriptBoard(fresh);
        h.game.newGame();
        EXPECT_FALSE(h.enabled(TimerId::ClearSq));
        EXPECT_FALSE(h.enabled(TimerId::MoveDown));
        EXPECT_FALSE(h.enabled(TimerId::FillUp));
        EXPECT_TRUE(h.enabled(TimerId::WaitAfterClick)); // the reaction pauses run on
        const std::size_t ticksBefore = h.ticks.size();
        h.clock.runUntilAtRest();
        for (std::size_t i = ticksBefore; i < h.ticks.size(); ++i) {
            const TimerId t = h.ticks[i].timer;
            EXPECT_TRUE(t == TimerId::WaitAfterClick || t == TimerId::WaitAfterInit) << int(t);
        }
        EXPECT_EQ(h.text(), boardText(fresh));
        EXPECT_EQ(h.counters().removes, 0);
    }
}

// The ghost-mark sequence: a removal has been cleared, and before its fall the player removes
// another square. The square that falls into that new gap must not be taken for a marked one.
void runGhostMarkSequence(GameHarness& h, const std::function<void()>& secondRemoval, std::string_view refill,
                          std::string_view settled) {
    InvariantChecker checker;
    checker.startGame(h.game);
    h.afterTick = [&](TimerId) {
        for (int i = 0; i < kSquareCount; ++i)
            if (h.board().kind(i) != Kind::Removed) {
                EXPECT_FALSE(h.board()[i].marked) << "square " << i;
            }
        EXPECT_EQ(checker.check(h.game), std::vector<std::string>{});
    };
    std::istringstream kinds{std::string(refill)};
    for (std::string kind; kinds >> kind;) h.refillWith({kind});
    ASSERT_EQ(h.scan(), 1);
    h.clock.advanceBy(500); // the clearing tick: the gaps are empty and unmarked
    ASSERT_TRUE(h.enabled(TimerId::MoveDown));
    h.clock.advanceBy(50);
    secondRemoval();
    h.clock.runUntilAtRest();
    EXPECT_EQ(h.text(), boardText(settled));
    EXPECT_EQ(h.ticksOf(TimerId::ClearSq), 2);
}

TEST(GhostMarks, ASquareFallingIntoAFreshEraserGapIsNotRemovedByTheNextClearing) {
    GameHarness h;
    h.lay(R"(
    0up  1up   4down 0up   1up   4down
    1up  4down 0up   2     2     2
    3    0up   1up   4down 0up   1up
    0up  1up   4down 0up   1up   4down
    1up  4down 0up   1up   4down 0up
    4down 0up  1up   4down 0up   1up )");
    h.edit([&](Position& p) { p.counters.removes = 1; });
    runGhostMarkSequence(
        h, [&] { h.game.press(12, Button::Special, Half::Upper); }, "3up 3down 2up 3up", R"(
    3up  1up   4down 3down 2up   3up
    0up  4down 0up   0up   1up   4down
    1up  0up   1up   4down 0up   1up
    0up  1up   4down 0up   1up   4down
    1up  4down 0up   1up   4down 0up
    4down 0up  1up   4down 0up   1up )");
    EXPECT_EQ(h.counters().removes, 0);
}

TEST(GhostMarks, SquaresFallingIntoTheGapsOfAColourSearchAreNotRemovedByTheNextClearing) {
    GameHarness h;
    h.lay(R"(
    0up  1up   4down 0up   1up   4down
    1up  4down 0up   2     2     2
    3    3     2up   4down 0up   1up
    0up  1up   4down 0up   1up   4down
    1up  4down 0up   1up   4down 0up
    4down 0up  1up   4down 0up   1up )");
    runGhostMarkSequence(
        h, [&] { h.game.press(14, Button::Special, Half::Upper); }, "2up 3up 2down 3down 2up 3up", R"(
    2up  3up   2down 3down 2up   3up
    0up  1up   4down 0up   1up   4down
    1up  4down 0up   4down 0up   1up
    0up  1up   4down 0up   1up   4down
    1up  4down 0up   1up   4down 0up
    4down 0up  1up   4down 0up   1up )");
}

// A game on the window's generator alone, numbered as the window numbers it.
struct NumberedGame {
    explicit NumberedGame(std::uint64_t number) : number{number} {
        clock.setTickHandler([this](TimerId t) { game.tick(t); });
    }
    GameNumber number;
    VirtualClock clock;
    SeededRandom random;
    RecordingSound sound;
    RecordingEvents events;
    Game game{{clock, random, sound, events}};
};

void playScript(NumberedGame& g) {
    g.game.start({0, 4}, g.number);
    g.clock.advanceBy(5000);
    for (int i = 0; i < 36; ++i) {
        const int square = (i * 7) % kSquareCount;
        if (i % 3 == 2)
            g.game.press(square, Button::Special, Half::Upper);
        else {
            g.game.press(square, Button::Plain, i * 25 < 450 ? Half::Upper : Half::Lower);
            g.game.release(square, Button::Plain, Half::Lower);
        }
        g.clock.advanceBy(700);
        if (i == 20) g.game.newGame(); // the next game's number follows from this one's
    }
    g.clock.runUntilAtRest();
}

TEST(Reproducibility, TheSameGameNumberAndMovesGiveTheSameGame) {
    NumberedGame a(2024), b(2024), other(2025);
    playScript(a);
    playScript(b);
    playScript(other);
    EXPECT_EQ(a.game.board(), b.game.board());
    EXPECT_EQ(a.game.counters().score, b.game.counters().score);
    EXPECT_EQ(a.game.counters().level, b.game.counters().level);
    EXPECT_EQ(a.game.counters().reactionCount, b.game.counters().reactionCount);
    EXPECT_EQ(a.game.counters().removes, b.game.counters().removes);
    EXPECT_EQ(a.game.counters().comboCount, b.game.counters().comboCount);
    EXPECT_EQ(a.game.counters().gameOver, b.game.counters().gameOver);
    EXPECT_EQ(a.game.counters(), b.game.counters());
    EXPECT_EQ(a.game.gameNumber(), b.game.gameNumber());
    EXPECT_EQ(a.sound.played, b.sound.played);
    EXPECT_EQ(a.events.seen, b.events.seen);
    EXPECT_EQ(a.clock.now(), b.clock.now());
    EXPECT_NE(a.game.board(), other.game.board());
    EXPECT_NE(a.game.gameNumber(), GameNumber{2024}); // the second game has a number of its own
}

TEST(Reproducibility, ANewGameGivenANumberDealsTheBoardAndRefillsOfThatNumber) {
    NumberedGame started(77), renumbered(5);
    started.game.start({0, 3}, GameNumber{77});
    renumbered.game.start({0, 3}, GameNumber{5});
    renumbered.clock.runUntilAtRest();
    renumbered.game.newGame(GameNumber{77});
    EXPECT_EQ(renumbered.game.gameNumber(), GameNumber{77});
    EXPECT_EQ(renumbered.game.board(), started.game.board());
    started.clock.runUntilAtRest(); // the settling refills come from the same chain of seeds
    renumbered.clock.runUntilAtRest();
    EXPECT_EQ(renumbered.game.board(), started.game.board());
    EXPECT_EQ(renumbered.events.seen.back(), started.events.seen.back());
}

} // namespace
} // namespace quadrelle::test
