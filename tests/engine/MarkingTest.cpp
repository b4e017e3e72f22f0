// SPDX-License-Identifier: MIT
#include "removal/Marking.h"
#include "GameHarness.h"

namespace quadrelle::test {
namespace {

struct RunCase {
    std::array<std::string_view, 3> kinds;
    std::string_view unified; // the kind all three carry afterwards
    Picture picture;          // the marked look of each
};

TEST(RunMarking, AllThreeSquaresTakeTheKindOfTheFirstSquareThatIsNotAWildcard) {
    const RunCase cases[] = {
        {{"1234", "1234", "3"}, "3", Picture::Tri3r},
        {{"1234", "2down", "1234"}, "2down", Picture::Tri2r},
        {{"3up", "1234", "3"}, "3up", Picture::Tri3r},
        {{"2up", "2", "2down"}, "2up", Picture::Tri2r},
        {{"1234", "0up", "0"}, "0up", Picture::Tri0r},
        {{"4", "1234", "4down"}, "4", Picture::Tri4r},
        {{"1234", "1234", "1234"}, "1234", Picture::Sq1234},
    };
    for (const RunCase& c : cases) {
        for (int step : {1, 6}) {
            SCOPED_TRACE(std::string(c.kinds[0]) + " " + std::string(c.kinds[1]) + " " +
                         std::string(c.kinds[2]) + (step == 1 ? " across" : " down"));
            Board board = boardOf(quietBoard());
            for (int i = 0; i < 3; ++i)
                board.setKindAndPicture(14 + i * step, kindOf(c.kinds[static_cast<std::size_t>(i)]));
            const Board before = board;
            markRun(board, 14, step);
            for (int i = 0; i < kSquareCount; ++i) {
                const bool inRun = i == 14 || i == 14 + step || i == 14 + 2 * step;
                if (!inRun) {
                    EXPECT_EQ(board[i], before[i]) << i;
                    continue;
                }
                EXPECT_TRUE(board[i].marked) << i;
                EXPECT_EQ(kindText(board.kind(i)), c.unified) << i;
                EXPECT_EQ(board[i].picture, c.picture) << i;
            }
        }
    }
}

// Marking is a rule on the board alone: scoring, sound and timers belong to the scan.
TEST(RunMarking, MarkingAloneRemovesNothing) {
    Board board = boardOf(quietBoard());
    markRun(board, 0, kRowStep);
    for (int i = 0; i < kSquareCount; ++i) EXPECT_NE(board.kind(i), Kind::Removed) << i;
}

TEST(SquareMarking, EachKindShowsTheMarkedPictureOfItsColour) {
    const std::pair<std::string_view, Picture> table[] = {
        {"0", Picture::Tri0r},       {"0up", Picture::Tri0r},     {"1", Picture::Tri1r},
        {"1up", Picture::Tri1r},     {"1down", Picture::Tri1r},   {"1updown", Picture::Tri1r},
        {"2", Picture::Tri2r},       {"2up", Picture::Tri2r},     {"2down", Picture::Tri2r},
        {"2updown", Picture::Tri2r}, {"3", Picture::Tri3r},       {"3up", Picture::Tri3r},
        {"3down", Picture::Tri3r},   {"3updown", Picture::Tri3r}, {"4", Picture::Tri4r},
        {"4down", Picture::Tri4r},   {"1234", Picture::Sq1234},   {"Removed", Picture::Tri2r},
    };
    for (const auto& [text, picture] : table) {
        SCOPED_TRACE(std::string(text));
        Board board = boardOf(quietBoard());
        board.setKindAndPicture(9, kindOf(text));
        if (text == "Removed") board.showPicture(9, Picture::Tri2r); // a gap keeps what it shows
        for (int times = 0; times < 2; ++times) {
            showMarked(board, 9);
            EXPECT_EQ(board[9].picture, picture);
            EXPECT_EQ(kindText(board.kind(9)), text);
            EXPECT_FALSE(board[9].marked);
        }
    }
}

} // namespace
} // namespace quadrelle::test
