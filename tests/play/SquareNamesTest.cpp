// SPDX-License-Identifier: MIT
// What a screen reader hears for a square and for the hint, in each language, and the places
// of a text filled as the window fills them.
#include <gtest/gtest.h>

#include "screen/HintText.h"
#include "screen/SquareNames.h"
#include "texts/Format.h"

namespace quadrelle::play {
namespace {

struct SpokenSquare {
    Square square;
    Language language;
    const char* said;
};

TEST(SquareNames, SayTheColourArrowsAndMark) {
    const SpokenSquare cases[] = {
        {{Kind::K1up}, Language::English, "green, arrow up"},
        {{Kind::K2updown}, Language::English, "yellow, arrows up and down"},
        {{Kind::K4down, Picture::Sq4down, true}, Language::English, "blue, arrow down, marked"},
        {{Kind::Wildcard}, Language::English, "wildcard"},
        {{Kind::Removed}, Language::English, "empty"},
        {{Kind::K3}, Language::English, "red"},
    };
    for (const SpokenSquare& c : cases) EXPECT_EQ(squareName(c.square, c.language), c.said);
    EXPECT_NE(squareName({Kind::K1up}, Language::German), "green, arrow up");
    EXPECT_EQ(squareNameAndPlace("red", 15, Language::English), "red, row 3, column 4");
}

TEST(HintText, SaysTheMoveAndThePlace) {
    EXPECT_EQ(hintText(Hint{8, HintMove::StepDown}, Language::English), "Hint: step down at row 2, column 3");
    EXPECT_EQ(hintText(Hint{0, HintMove::Erase}, Language::English), "Hint: spend an eraser at row 1, column 1");
    EXPECT_EQ(hintText(std::nullopt, Language::German), "Kein Zug reagiert jetzt");
}

TEST(Format, FillsEachPlaceWithItsArgument) {
    EXPECT_EQ(withArguments("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(withArguments("100% %1, %3", {"sure"}), "100% sure, %3");
    EXPECT_EQ(withArguments("%1", {"%2"}), "%2");
}

} // namespace
} // namespace quadrelle::play
