// SPDX-License-Identifier: MIT
#include "GameHarness.h"

#include "board/Picture.h"

namespace quadrelle::test {
namespace {

struct KindRow {
    std::string_view text;
    Picture picture;
    bool plain, arrow, twoWay;
    std::array<bool, 5> colours;
};

// Every kind a square can hold, the template that shows it, and the colours it counts as.
const KindRow kKindRows[] = {
    {"0", Picture::Sq0, true, false, false, {1, 0, 0, 0, 0}},
    {"1", Picture::Sq1, true, false, false, {0, 1, 0, 0, 0}},
    {"2", Picture::Sq2, true, false, false, {0, 0, 1, 0, 0}},
    {"3", Picture::Sq3, true, false, false, {0, 0, 0, 1, 0}},
    {"4", Picture::Sq4, true, false, false, {0, 0, 0, 0, 1}},
    {"0up", Picture::Sq0up, false, true, false, {1, 0, 0, 0, 0}},
    {"1up", Picture::Sq1up, false, true, false, {0, 1, 0, 0, 0}},
    {"1down", Picture::Sq1down, false, true, false, {0, 1, 0, 0, 0}},
    {"1updown", Picture::Sq1updown, false, true, true, {0, 1, 0, 0, 0}},
    {"2up", Picture::Sq2up, false, true, false, {0, 0, 1, 0, 0}},
    {"2down", Picture::Sq2down, false, true, false, {0, 0, 1, 0, 0}},
    {"2updown", Picture::Sq2updown, false, true, true, {0, 0, 1, 0, 0}},
    {"3up", Picture::Sq3up, false, true, false, {0, 0, 0, 1, 0}},
    {"3down", Picture::Sq3down, false, true, false, {0, 0, 0, 1, 0}},
    {"3updown", Picture::Sq3updown, false, true, true, {0, 0, 0, 1, 0}},
    {"4down", Picture::Sq4down, false, true, false, {0, 0, 0, 0, 1}},
    {"1234", Picture::Sq1234, false, false, false, {1, 1, 1, 1, 1}},
    {"Removed", Picture::SqEmpty, false, false, false, {0, 0, 0, 0, 0}},
};

TEST(SquareKinds, EachKindHasItsExactTextTemplateAndColours) {
    for (const KindRow& row : kKindRows) {
        SCOPED_TRACE(std::string(row.text));
        const auto kind = kindFromText(row.text);
        ASSERT_TRUE(kind.has_value());
        EXPECT_EQ(kindText(*kind), row.text);
        EXPECT_EQ(pictureOf(*kind), row.picture);
        EXPECT_EQ(isPlain(*kind), row.plain);
        EXPECT_EQ(isArrow(*kind), row.arrow);
        EXPECT_EQ(isTwoWay(*kind), row.twoWay);
        for (int colour = 0; colour < 5; ++colour)
            EXPECT_EQ(matchesColour(*kind, colour), row.colours[static_cast<std::size_t>(colour)]) << colour;
    }
}

TEST(SquareKinds, TextsCompareExactlyIncludingCase) {
    for (std::string_view text : {"removed", "REMOVED", "Removed ", "2UP", "2Up", " 3", "01", "5", "1243"})
        EXPECT_FALSE(kindFromText(text).has_value()) << text;
}

TEST(SquareKinds, WildcardReadsAsColourOneByItsFirstCharacter) {
    EXPECT_EQ(firstChar(Kind::Wildcard), '1');
    EXPECT_EQ(firstChar(Kind::K4down), '4');
    EXPECT_EQ(firstChar(Kind::Removed), 'R');
}

TEST(BoardGeometry, IndexRowAndColumnAgreeForEverySquare) {
    EXPECT_EQ(indexOf(0, 0), 0);
    EXPECT_EQ(indexOf(0, 5), 5);
    EXPECT_EQ(indexOf(5, 0), 30);
    EXPECT_EQ(indexOf(5, 5), 35);
    for (int index = 0; index < kSquareCount; ++index) {
        EXPECT_EQ(indexOf(rowOf(index), columnOf(index)), index);
        EXPECT_EQ(rowOf(index), index / 6);
        EXPECT_EQ(columnOf(index), index % 6);
    }
    EXPECT_FALSE(isOnBoard(-1));
    EXPECT_FALSE(isOnBoard(36));
}

TEST(BoardGeometry, SquaresFiveAndSixAreNotNeighboursSoNoRowRunWrapsAround) {
    GameHarness h;
    h.lay(quietBoardWith({{4, "4"}, {5, "4"}, {6, "4"}}, "012"));
    EXPECT_FALSE(anyTripleMatches(h.board()));
    EXPECT_EQ(h.scan(), 0);
    h.lay(quietBoardWith({{3, "4"}, {4, "4"}, {5, "4"}}, "012"));
    EXPECT_EQ(h.scan(), 1);
}

TEST(BoardGeometry, ColumnRunsStopAtTheBottomRow) {
    GameHarness h;
    h.lay(quietBoardWith({{29, "3"}, {35, "3"}, {5, "3"}}, "012"));
    EXPECT_EQ(h.scan(), 0);
}

TEST(BoardGeometry, GapsNeverReactEvenInAFullLine) {
    GameHarness h;
    h.lay(quietBoardWith({{12, "."}, {13, "."}, {14, "."}, {15, "."}, {16, "."}, {17, "."}}));
    EXPECT_FALSE(anyTripleMatches(h.board()));
    EXPECT_EQ(h.scan(), 0);
}

TEST(BoardGeometry, EveryTemplateHasItsWindowName) {
    EXPECT_EQ(pictureName(Picture::Sq2updown), "sq2updown");
    EXPECT_EQ(pictureName(Picture::Sq1234), "sq1234");
    EXPECT_EQ(pictureName(Picture::SqEmpty), "sqEmpty");
    EXPECT_EQ(pictureName(Picture::Tri3r), "tri3r");
    for (const KindRow& row : kKindRows)
        if (row.text != "Removed") {
            EXPECT_EQ(pictureName(row.picture), "sq" + std::string(row.text));
        }
}

} // namespace
} // namespace quadrelle::test
