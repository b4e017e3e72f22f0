#include "GameHarness.h"

#include <optional>

namespace quadrelle::test {
namespace {

constexpr int kSquare = 14; // row 2, column 2

struct StepCase {
    std::string_view from;
    float pressY;
    std::string_view to;
};

TEST(ColourStep, APlainClickMovesTheColourOneStepAlongTheArrow) {
    const StepCase cases[] = {
        {"0up", 100, "1up"},       {"1up", 800, "2up"},         {"2up", 435, "3up"},
        {"3up", 450, "4"},         {"4down", 100, "3down"},     {"3down", 800, "2down"},
        {"2down", 435, "1down"},   {"1down", 899, "0"},         {"1updown", 435, "2up"},
        {"1updown", 450, "0"},     {"2updown", 435, "3up"},     {"2updown", 450, "1down"},
        {"3updown", 435, "4"},     {"3updown", 450, "2down"},
        // The press height is rounded to a whole number, a half to the even one.
        {"1updown", 449.5f, "0"},  {"2updown", 448.5f, "3up"},  {"3updown", 449.4f, "4"},
        {"2updown", 0, "3up"},     {"1updown", 899, "0"},       {"3updown", 450.4f, "2down"},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " pressed at " + std::to_string(c.pressY));
        GameHarness h;
        h.counters().score = 41;
        h.board().setKindAndPicture(kSquare, kindOf(c.from));
        h.game.sq_MouseDown(kSquare, kLeftButton, 0, c.pressY);
        EXPECT_EQ(h.board().kind(kSquare), kindOf(c.from)); // a press alone changes nothing
        // The release height does not matter: the press decided.
        h.game.sq_MouseUp(kSquare, kLeftButton, 0, c.pressY < 450 ? 890.0f : 10.0f);
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
    {"0up", {"1up", "2up", "3up", "4"}},       {"1up", {"2up", "3up", "4"}},
    {"2up", {"3up", "4"}},                      {"3up", {"4"}},
    {"4down", {"3down", "2down", "1down", "0"}}, {"3down", {"2down", "1down", "0"}},
    {"2down", {"1down", "0"}},                  {"1down", {"0"}},
    {"1updown", {"2up", "0", "3up", "4"}},     {"2updown", {"3up", "1down", "4", "0"}},
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
        h.board().setKindAndPicture(12, left);
        h.board().setKindAndPicture(13, left);
    }
    for (int i = 30; i < 36; ++i) h.board()[i].marked = true;
    h.counters().removes = -10;
}

TEST(ColourSearch, TriesEveryReachableColourNearestFirstAndKeepsTheFirstThatReacts) {
    for (const SearchCase& c : kSearches) {
        for (std::size_t k = 0; k < c.tries.size(); ++k) {
            SCOPED_TRACE(std::string(c.from) + ": only try " + std::string(c.tries[k]) + " reacts");
            GameHarness h;
            laySearchBoard(h, c.from, c.tries[k][0]);
            ASSERT_FALSE(anyTripleMatches(h.board()));
            h.counters().score = 5;
            h.game.sq_MouseDown(kSquare, kRightButton, 0, 100);
            EXPECT_EQ(h.counters().removes, -10 + static_cast<int>(k) + 1); // one scan per try
            EXPECT_EQ(h.board().kind(kSquare), Kind::Removed);
            EXPECT_EQ(h.board()[kSquare].picture, markedPictureOf(kindOf(c.tries[k])));
            EXPECT_EQ(h.counters().score, 15); // the run scores; the search itself does not
            h.game.sq_MouseUp(kSquare, kRightButton, 0, 100);
            EXPECT_FALSE(h.enabled(TimerId::WaitAfterClick));
        }
    }
}

TEST(ColourSearch, WhenNoTryReactsTheSquareGetsItsKindBackAfterOneScanPerTry) {
    for (const SearchCase& c : kSearches) {
        SCOPED_TRACE(std::string(c.from));
        GameHarness h;
        laySearchBoard(h, c.from, std::nullopt);
        h.counters().score = 5;
        const Board before = h.board();
        h.game.sq_MouseDown(kSquare, kRightButton, 0, 100);
        EXPECT_EQ(h.counters().removes, -10 + static_cast<int>(c.tries.size()));
        EXPECT_EQ(h.board()[kSquare], before[kSquare]);
        EXPECT_EQ(h.counters().score, 5);
        EXPECT_TRUE(h.sound.played.empty());
    }
}

TEST(SingleRemoval, ASpecialPressOnAPlainSquareSpendsAnEraser) {
    for (const auto& [button, shift] : std::vector<std::pair<int, int>>{
             {kRightButton, 0}, {kLeftButton, kShiftKey}, {kLeftButton, kCtrlKey}, {kLeftButton, kAltKey}, {kRightButton, 7}}) {
        SCOPED_TRACE("button " + std::to_string(button) + ", keys " + std::to_string(shift));
        GameHarness h;
        h.board().setKindAndPicture(kSquare, Kind::K3);
        h.counters().removes = 2;
        h.game.sq_MouseDown(kSquare, button, shift, 100);
        EXPECT_EQ(h.board()[kSquare], (Square{Kind::Removed, Picture::Tri3r, true}));
        EXPECT_EQ(h.counters().removes, 1);
        EXPECT_EQ(h.sound.played, std::vector<int>{1});
        EXPECT_TRUE(h.enabled(TimerId::ClearSq));
        h.game.sq_MouseUp(kSquare, button, shift, 100); // a special release does nothing at all
        EXPECT_FALSE(h.enabled(TimerId::WaitAfterClick));
    }
}

TEST(SingleRemoval, WithoutErasersNothingHappensButAPlainReleaseStillRestartsThePause) {
    GameHarness h;
    const Board before = h.board();
    h.counters().comboCount = 2;
    h.counters().comboCountVisible = h.counters().comboTextVisible = true;
    h.game.sq_MouseDown(kSquare, kRightButton, 0, 100);
    h.click(kSquare);
    EXPECT_EQ(h.board(), before);
    EXPECT_EQ(h.counters().removes, 0);
    EXPECT_TRUE(h.sound.played.empty());
    EXPECT_EQ(h.counters().comboCount, 0);
    EXPECT_FALSE(h.counters().comboCountVisible);
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterClick));
}

TEST(SingleRemoval, APlainClickOnAPlainSquareSpendsTheLastEraserAndRestartsThePause) {
    GameHarness h;
    h.counters().removes = 1;
    h.click(kSquare);
    EXPECT_EQ(h.board().kind(kSquare), Kind::Removed);
    EXPECT_EQ(h.counters().removes, 0);
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterClick));
    EXPECT_TRUE(h.enabled(TimerId::ClearSq));
}

TEST(PressRelease, WildcardsAndGapsNeverChangeButAPlainReleaseStillDoesItsHousekeeping) {
    for (std::string_view kind : {"1234", "."}) {
        GameHarness h;
        h.board().setKindAndPicture(kSquare, kindOf(kind));
        h.counters().removes = 3;
        h.counters().comboCount = 4;
        h.counters().comboCountVisible = h.counters().comboTextVisible = true;
        h.clock.setEnabled(TimerId::HideCombo, true);
        const Board before = h.board();
        h.rightClick(kSquare);
        h.game.sq_MouseDown(kSquare, kLeftButton, kShiftKey, 100);
        h.click(kSquare);
        EXPECT_EQ(h.board(), before) << kind;
        EXPECT_EQ(h.counters().removes, 3);
        EXPECT_EQ(h.counters().comboCount, 0);
        EXPECT_FALSE(h.counters().comboTextVisible);
        EXPECT_FALSE(h.enabled(TimerId::HideCombo));
        EXPECT_TRUE(h.enabled(TimerId::WaitAfterClick));
    }
}

TEST(PressRelease, ASpecialReleaseDoesNothingEvenAfterAPlainPress) {
    for (const auto& [button, shift] : std::vector<std::pair<int, int>>{
             {kRightButton, 0}, {kLeftButton, kShiftKey}, {kLeftButton, kCtrlKey}, {kLeftButton, kAltKey}}) {
        GameHarness h;
        h.counters().newGame = true;
        h.board().setKindAndPicture(kSquare, Kind::K2up);
        h.game.sq_MouseDown(kSquare, kLeftButton, 0, 100);
        h.game.sq_MouseUp(kSquare, button, shift, 100);
        EXPECT_EQ(h.board().kind(kSquare), Kind::K2up);
        EXPECT_TRUE(h.counters().newGame);
        EXPECT_FALSE(h.enabled(TimerId::WaitAfterClick));
    }
}

TEST(PressRelease, TheMiddleButtonIsAPlainClickWhateverKeysAreHeld) {
    GameHarness h;
    h.board().setKindAndPicture(kSquare, Kind::K2updown);
    h.counters().removes = 3;
    h.game.sq_MouseDown(kSquare, kMiddleButton, kShiftKey, 800);
    EXPECT_EQ(h.counters().pressHeight, 800.0f);
    h.game.sq_MouseUp(kSquare, kMiddleButton, kShiftKey | kCtrlKey, 100);
    EXPECT_EQ(h.board().kind(kSquare), Kind::K1down);
    EXPECT_EQ(h.counters().score, 1);
    h.board().setKindAndPicture(15, Kind::K4);
    h.game.sq_MouseDown(15, kMiddleButton, kAltKey, 0);
    EXPECT_EQ(h.board().kind(15), Kind::K4); // not a single removal: the middle press is plain
    EXPECT_EQ(h.counters().removes, 3);
}

TEST(PressRelease, ASpecialPressKeepsTheEarlierPressHeightForALaterPlainRelease) {
    GameHarness h;
    h.lay(quietBoardWith({{kSquare, "2updown"}}));
    h.game.sq_MouseDown(3, kLeftButton, 0, 700); // a plain press elsewhere: lower half
    h.game.sq_MouseDown(kSquare, kLeftButton, kShiftKey, 10); // special: searches, finds nothing
    EXPECT_EQ(h.board().kind(kSquare), Kind::K2updown);
    EXPECT_EQ(h.counters().pressHeight, 700.0f);
    h.game.sq_MouseUp(kSquare, kLeftButton, 0, 10); // the Shift key let go before the button
    EXPECT_EQ(h.board().kind(kSquare), Kind::K1down);
}

TEST(PressRelease, WithNoPressHeightYetAPlainReleaseOverATwoWaySquareUsesItsOwnHeight) {
    for (const auto& [releaseY, expected] : std::vector<std::pair<float, Kind>>{{100, Kind::K3up}, {800, Kind::K1down}}) {
        GameHarness h; // freshly loaded: no plain press so far
        ASSERT_FALSE(h.counters().pressHeight.has_value());
        h.lay(quietBoardWith({{kSquare, "2updown"}}));
        h.game.sq_MouseDown(kSquare, kLeftButton, kCtrlKey, 450);
        EXPECT_EQ(h.board().kind(kSquare), Kind::K2updown);
        h.game.sq_MouseUp(kSquare, kLeftButton, 0, releaseY);
        EXPECT_EQ(h.board().kind(kSquare), expected) << releaseY;
        EXPECT_EQ(h.counters().score, 1);
    }
}

TEST(PressRelease, TheFirstPlainReleaseOfAGameEndsTheSettlingEvenWithoutAChange) {
    GameHarness h;
    h.counters().newGame = true;
    h.counters().reactionCount = 7;
    h.board().setKindAndPicture(kSquare, Kind::Wildcard);
    h.rightClick(kSquare);
    EXPECT_TRUE(h.counters().newGame); // a special press does not end it
    h.click(kSquare);
    EXPECT_FALSE(h.counters().newGame);
    EXPECT_EQ(h.counters().reactionCount, 0);
    h.counters().reactionCount = 3;
    h.click(kSquare);
    EXPECT_EQ(h.counters().reactionCount, 3); // only the first release of the game resets it
}

TEST(PressRelease, AColourSearchDoesNotResetTheComboCount) {
    GameHarness h;
    laySearchBoard(h, "1up", '2');
    h.counters().comboCount = 2;
    h.game.sq_MouseDown(kSquare, kRightButton, 0, 100);
    EXPECT_EQ(h.counters().comboCount, 3);
}

} // namespace
} // namespace quadrelle::test
