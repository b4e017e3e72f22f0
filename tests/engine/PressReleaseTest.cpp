// SPDX-License-Identifier: MIT
#include "GameHarness.h"
#include "game/Invariants.h"

#include <optional>

namespace quadrelle::test {
namespace {

constexpr int kSquare = 14; // row 2, column 2

struct StepCase {
    std::string_view from;
    Half pressed;
    std::string_view to;
};

TEST(ColourStep, APlainClickMovesTheColourOneStepAlongTheArrow) {
    constexpr Half kUpper = Half::Upper, kLower = Half::Lower;
    const StepCase cases[] = {
        {"0up", kUpper, "1up"},     {"1up", kLower, "2up"},       {"2up", kUpper, "3up"},
        {"3up", kLower, "4"},       {"4down", kUpper, "3down"},   {"3down", kLower, "2down"},
        {"2down", kUpper, "1down"}, {"1down", kLower, "0"},       {"1updown", kUpper, "2up"},
        {"1updown", kLower, "0"},   {"2updown", kUpper, "3up"},   {"2updown", kLower, "1down"},
        {"3updown", kUpper, "4"},   {"3updown", kLower, "2down"},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(std::string(c.from) + (c.pressed == kUpper ? " pressed high" : " pressed low"));
        GameHarness h;
        h.edit([&](Position& p) {
            p.counters.score = 41;
            p.board.setKindAndPicture(kSquare, kindOf(c.from));
        });
        h.game.press(kSquare, Button::Plain, c.pressed);
        EXPECT_EQ(h.board().kind(kSquare), kindOf(c.from)); // a press alone changes nothing
        // The release half does not matter: the press decided.
        h.game.release(kSquare, Button::Plain, c.pressed == kUpper ? kLower : kUpper);
        EXPECT_EQ(kindText(h.board().kind(kSquare)), c.to);
        EXPECT_EQ(h.board()[kSquare].picture, pictureOf(kindOf(c.to)));
        EXPECT_EQ(h.counters().score, 42);
        EXPECT_TRUE(h.enabled(TimerId::WaitAfterClick));
    }
}

struct SearchCase {
    std::string_view from;
    std::vector<std::string_view> tries;
};

const SearchCase kSearches[] = {
    {"0up", {"1up", "2up", "3up", "4"}},
    {"1up", {"2up", "3up", "4"}},
    {"2up", {"3up", "4"}},
    {"3up", {"4"}},
    {"4down", {"3down", "2down", "1down", "0"}},
    {"3down", {"2down", "1down", "0"}},
    {"2down", {"1down", "0"}},
    {"1down", {"0"}},
    {"1updown", {"2up", "0", "3up", "4"}},
    {"2updown", {"3up", "1down", "4", "0"}},
    {"3updown", {"4", "2down", "1down", "0"}},
};

// The square sits in row 2; the two squares to its left carry the colour (if any) that should
// react. Row 5 is a fully marked line that each scan pays one eraser for, starting from -10, so
// the eraser count tells how many scans ran. Its colour is the square's own colour, which no try
// takes, so its sweep never touches the square while it is being tried.
// A gap right of the square keeps the run to exactly those three squares.
void laySearchBoard(GameHarness& h, std::string_view from, std::optional<char> reactingColour) {
    const std::string ownColour(1, from[0]);
    h.lay(quietBoardWith({{kSquare, from}, {15, "."}, {35, ownColour}}));
    if (reactingColour) {
        const Kind left = kindOf(std::string(1, *reactingColour));
        h.edit([&](Position& p) {
            p.board.setKindAndPicture(12, left);
            p.board.setKindAndPicture(13, left);
        });
    }
    h.edit([&](Position& p) {
        for (int i = 30; i < 36; ++i) p.board[i].marked = true;
        p.counters.removes = -10;
    });
}

TEST(ColourSearch, TriesEveryReachableColourNearestFirstAndKeepsTheFirstThatReacts) {
    for (const SearchCase& c : kSearches) {
        for (std::size_t k = 0; k < c.tries.size(); ++k) {
            SCOPED_TRACE(std::string(c.from) + ": only try " + std::string(c.tries[k]) + " reacts");
            GameHarness h;
            laySearchBoard(h, c.from, c.tries[k][0]);
            ASSERT_FALSE(anyTripleMatches(h.board()));
            h.edit([&](Position& p) { p.counters.score = 5; });
            h.game.press(kSquare, Button::Special, Half::Upper);
            EXPECT_EQ(h.counters().removes, -10 + static_cast<int>(k) + 1); // one scan per try
            EXPECT_EQ(h.board().kind(kSquare), Kind::Removed);
            EXPECT_EQ(h.board()[kSquare].picture, markedPictureOf(kindOf(c.tries[k])));
            EXPECT_EQ(h.counters().score, 15); // the run scores; the search itself does not
            h.game.release(kSquare, Button::Special, Half::Upper);
            EXPECT_FALSE(h.enabled(TimerId::WaitAfterClick));
        }
    }
}

TEST(ColourSearch, WhenNoTryReactsTheSquareGetsItsKindBackAfterOneScanPerTry) {
    for (const SearchCase& c : kSearches) {
        SCOPED_TRACE(std::string(c.from));
        GameHarness h;
        laySearchBoard(h, c.from, std::nullopt);
        h.edit([&](Position& p) { p.counters.score = 5; });
        const Board before = h.board();
        h.game.press(kSquare, Button::Special, Half::Upper);
        EXPECT_EQ(h.counters().removes, -10 + static_cast<int>(c.tries.size()));
        EXPECT_EQ(h.board()[kSquare], before[kSquare]);
        EXPECT_EQ(h.counters().score, 5);
        EXPECT_TRUE(h.sound.played.empty());
    }
}

// A run elsewhere on the board (one a step made, waiting for the click's pause) reacts at the
// first try: the search stops there, and the square keeps the tried kind and shows it.
TEST(ColourSearch, StoppedByARunElsewhereTheSquareShowsTheKindItKeeps) {
    for (const SearchCase& c : kSearches) {
        SCOPED_TRACE(std::string(c.from));
        GameHarness h;
        h.lay(quietBoardWith({{kSquare, c.from}, {30, "3"}, {31, "3"}, {32, "3"}, {33, "."}}));
        h.game.press(kSquare, Button::Special, Half::Upper);
        const Kind kept = kindOf(c.tries.front());
        EXPECT_EQ(h.board()[kSquare], (Square{kept, pictureOf(kept), false}));
        EXPECT_EQ(h.board().kind(30), Kind::Removed);
        InvariantChecker checker;
        checker.startGame(h.game);
        h.clock.runUntilAtRest();
        EXPECT_EQ(checker.check(h.game), std::vector<std::string>{});
    }
}

TEST(SingleRemoval, ASpecialPressOnAPlainSquareSpendsAnEraser) {
    for (Half half : {Half::Upper, Half::Lower}) {
        GameHarness h;
        h.edit([&](Position& p) {
            p.board.setKindAndPicture(kSquare, Kind::K3);
            p.counters.removes = 2;
        });
        h.game.press(kSquare, Button::Special, half);
        EXPECT_EQ(h.board()[kSquare], (Square{Kind::Removed, Picture::Tri3r, true}));
        EXPECT_EQ(h.counters().removes, 1);
        EXPECT_EQ(h.sound.played, std::vector<Clip>{Clip::SingleRemoval});
        EXPECT_TRUE(h.enabled(TimerId::ClearSq));
        h.game.release(kSquare, Button::Special, half); // a special release does nothing at all
        EXPECT_FALSE(h.enabled(TimerId::WaitAfterClick));
    }
}

TEST(SingleRemoval, WithoutErasersNothingHappensButAPlainReleaseStillRestartsThePause) {
    GameHarness h;
    const Board before = h.board();
    h.edit([&](Position& p) {
        p.counters.comboCount = 2;
        p.counters.comboShown = true;
    });
    h.game.press(kSquare, Button::Special, Half::Upper);
    h.click(kSquare);
    EXPECT_EQ(h.board(), before);
    EXPECT_EQ(h.counters().removes, 0);
    EXPECT_TRUE(h.sound.played.empty());
    EXPECT_EQ(h.counters().comboCount, 0);
    EXPECT_FALSE(h.counters().comboShown);
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterClick));
}

TEST(SingleRemoval, APlainClickOnAPlainSquareSpendsTheLastEraserAndRestartsThePause) {
    GameHarness h;
    h.edit([&](Position& p) { p.counters.removes = 1; });
    h.click(kSquare);
    EXPECT_EQ(h.board().kind(kSquare), Kind::Removed);
    EXPECT_EQ(h.counters().removes, 0);
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterClick));
    EXPECT_TRUE(h.enabled(TimerId::ClearSq));
}

TEST(PressRelease, WildcardsAndGapsNeverChangeButAPlainReleaseStillDoesItsHousekeeping) {
    for (std::string_view kind : {"1234", "."}) {
        GameHarness h;
        h.edit([&](Position& p) {
            p.board.setKindAndPicture(kSquare, kindOf(kind));
            p.counters.removes = 3;
            p.counters.comboCount = 4;
            p.counters.comboShown = true;
        });
        h.clock.setEnabled(TimerId::HideCombo, true);
        const Board before = h.board();
        h.rightClick(kSquare);
        h.game.press(kSquare, Button::Special, Half::Upper);
        h.click(kSquare);
        EXPECT_EQ(h.board(), before) << kind;
        EXPECT_EQ(h.counters().removes, 3);
        EXPECT_EQ(h.counters().comboCount, 0);
        EXPECT_FALSE(h.counters().comboShown);
        EXPECT_FALSE(h.enabled(TimerId::HideCombo));
        EXPECT_TRUE(h.enabled(TimerId::WaitAfterClick));
    }
}

TEST(PressRelease, ASpecialReleaseDoesNothingEvenAfterAPlainPress) {
    for (Half half : {Half::Upper, Half::Lower}) {
        GameHarness h;
        h.edit([&](Position& p) {
            p.counters.freshBoard = true;
            p.board.setKindAndPicture(kSquare, Kind::K2up);
        });
        h.game.press(kSquare, Button::Plain, Half::Upper);
        h.game.release(kSquare, Button::Special, half);
        EXPECT_EQ(h.board().kind(kSquare), Kind::K2up);
        EXPECT_TRUE(h.counters().freshBoard);
        EXPECT_FALSE(h.enabled(TimerId::WaitAfterClick));
    }
}

TEST(PressRelease, APlainPressOnAPlainSquareNeverSpendsAnEraser) {
    GameHarness h;
    h.edit([&](Position& p) {
        p.board.setKindAndPicture(kSquare, Kind::K2updown);
        p.counters.removes = 3;
    });
    h.game.press(kSquare, Button::Plain, Half::Lower);
    EXPECT_EQ(h.counters().pressedHalf, Half::Lower);
    h.game.release(kSquare, Button::Plain, Half::Upper);
    EXPECT_EQ(h.board().kind(kSquare), Kind::K1down);
    EXPECT_EQ(h.counters().score, 1);
    h.edit([&](Position& p) { p.board.setKindAndPicture(15, Kind::K4); });
    h.game.press(15, Button::Plain, Half::Upper);
    EXPECT_EQ(h.board().kind(15), Kind::K4); // not a single removal: the press is plain
    EXPECT_EQ(h.counters().removes, 3);
}

TEST(PressRelease, ASpecialPressKeepsTheEarlierPressHalfForALaterPlainRelease) {
    GameHarness h;
    h.lay(quietBoardWith({{kSquare, "2updown"}}));
    h.game.press(3, Button::Plain, Half::Lower);         // a plain press elsewhere: lower half
    h.game.press(kSquare, Button::Special, Half::Upper); // special: searches, finds nothing
    EXPECT_EQ(h.board().kind(kSquare), Kind::K2updown);
    EXPECT_EQ(h.counters().pressedHalf, Half::Lower);
    h.game.release(kSquare, Button::Plain, Half::Upper); // the Shift key let go before the button
    EXPECT_EQ(h.board().kind(kSquare), Kind::K1down);
}

TEST(PressRelease, WithNoPlainPressYetAPlainReleaseOverATwoWaySquareUsesItsOwnHalf) {
    for (const auto& [releaseHalf, expected] :
         std::vector<std::pair<Half, Kind>>{{Half::Upper, Kind::K3up}, {Half::Lower, Kind::K1down}}) {
        GameHarness h; // freshly loaded: no plain press so far
        ASSERT_FALSE(h.counters().pressedHalf.has_value());
        h.lay(quietBoardWith({{kSquare, "2updown"}}));
        h.game.press(kSquare, Button::Special, Half::Lower);
        EXPECT_EQ(h.board().kind(kSquare), Kind::K2updown);
        h.game.release(kSquare, Button::Plain, releaseHalf);
        EXPECT_EQ(h.board().kind(kSquare), expected);
        EXPECT_EQ(h.counters().score, 1);
    }
}

TEST(PressRelease, TheFirstPlainReleaseOfAGameEndsTheSettlingEvenWithoutAChange) {
    GameHarness h;
    h.edit([&](Position& p) {
        p.counters.freshBoard = true;
        p.counters.reactionCount = 7;
        p.board.setKindAndPicture(kSquare, Kind::Wildcard);
    });
    h.rightClick(kSquare);
    EXPECT_TRUE(h.counters().freshBoard); // a special press does not end it
    h.click(kSquare);
    EXPECT_FALSE(h.counters().freshBoard);
    EXPECT_EQ(h.counters().reactionCount, 0);
    h.edit([&](Position& p) { p.counters.reactionCount = 3; });
    h.click(kSquare);
    EXPECT_EQ(h.counters().reactionCount, 3); // only the first release of the game resets it
}

TEST(PressRelease, AColourSearchDoesNotResetTheComboCount) {
    GameHarness h;
    laySearchBoard(h, "1up", '2');
    h.edit([&](Position& p) { p.counters.comboCount = 2; });
    h.game.press(kSquare, Button::Special, Half::Upper);
    EXPECT_EQ(h.counters().comboCount, 3);
}

// The keyboard's verbs are whole clicks: the step keys step only along an arrow the square
// has, a click and a search on a plain square spend an eraser.
struct VerbCase {
    const char* name;
    void (Game::*verb)(int);
    std::string_view from;
    std::string_view to;
    std::int64_t points;
    int erasersLeft;
};

TEST(KeyboardVerbs, EachActsAsTheClickItStandsFor) {
    const VerbCase cases[] = {
        {"step up", &Game::stepUp, "0up", "1up", 1, 1},
        {"step up, no arrow up", &Game::stepUp, "2down", "2down", 0, 1},
        {"step down, two-way", &Game::stepDown, "2updown", "1down", 1, 1},
        {"step down, no arrow down", &Game::stepDown, "3up", "3up", 0, 1},
        {"step up, plain", &Game::stepUp, "3", "3", 0, 1},
        {"click, two-way", &Game::click, "2updown", "3up", 1, 1},
        {"click, plain", &Game::click, "3", "Removed", 0, 0},
        {"search, plain", &Game::search, "3", "Removed", 0, 0},
    };
    for (const VerbCase& c : cases) {
        SCOPED_TRACE(c.name);
        GameHarness h;
        h.edit([&](Position& p) {
            p.counters.removes = 1;
            p.board.setKindAndPicture(kSquare, kindOf(c.from));
        });
        (h.game.*c.verb)(kSquare);
        EXPECT_EQ(kindText(h.board().kind(kSquare)), c.to);
        EXPECT_EQ(h.counters().score, c.points);
        EXPECT_EQ(h.counters().removes, c.erasersLeft);
    }
}

TEST(KeyboardVerbs, TheHintCountsTheErasersHeld) {
    GameHarness h;
    // Column 0 reads 3 3 4 3: erasing the 4 lets the 3s above fall onto the third.
    h.lay(quietBoardWith({{0, "3"}, {6, "3"}, {12, "4"}, {18, "3"}}));
    EXPECT_EQ(h.game.hint(), std::nullopt);
    h.edit([](Position& p) { p.counters.removes = 1; });
    EXPECT_EQ(h.game.hint(), (Hint{12, HintMove::Erase}));
}

} // namespace
} // namespace quadrelle::test
