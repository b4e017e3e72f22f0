// SPDX-License-Identifier: MIT
#include "removal/Falling.h"
#include "GameHarness.h"

namespace quadrelle::test {
namespace {

// Every column holds six different kinds, so the order of the squares can be followed.
constexpr std::string_view kBase = R"(
    0     1       2       3     4       0up
    1up   1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down 1234    0
    1     2       3       4     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown 4down   1234  0       1 )";

struct FallCase {
    std::string_view name;
    std::string_view before;
    std::string_view after;
    FallDirection direction;
};

const FallCase kFallCases[] = {
    {"GapsInTheTopRowStayWhereTheyAre", R"(
    0     .       .       .     4       0up
    1up   1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down 1234    0
    1     2       3       4     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown 4down   1234  0       1 )",
     R"(
    0     .       .       .     4       0up
    1up   1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down 1234    0
    1     2       3       4     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown 4down   1234  0       1 )",
     FallDirection::Down},
    {"GapsInTheBottomRowStayWhereTheyAre", R"(
    0     1       2       3     4       0up
    1up   1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down 1234    0
    1     2       3       4     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown .       .     .       1 )",
     R"(
    0     1       2       3     4       0up
    1up   1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down 1234    0
    1     2       3       4     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown .       .     .       1 )",
     FallDirection::Up},
    {"ARowTwoRunFallsFromAbove", R"(
    0     1       2       3     4       0up
    1up   1down   1updown 2up   2down   2updown
    .     .       .       4down 1234    0
    1     2       3       4     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown 4down   1234  0       1 )",
     R"(
    .     .       .       3     4       0up
    0     1       2       2up   2down   2updown
    1up   1down   1updown 4down 1234    0
    1     2       3       4     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown 4down   1234  0       1 )",
     FallDirection::Down},
    {"ARowThreeRunIsClosedFromBelow", R"(
    0     1       2       3     4       0up
    1up   1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down 1234    0
    1     .       .       .     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown 4down   1234  0       1 )",
     R"(
    0     1       2       3     4       0up
    1up   1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down 1234    0
    1     1updown 2up     2down 0up     1up
    1down 3updown 4down   1234  2updown 3up
    3down .       .       .     0       1 )",
     FallDirection::Up},
    {"AColumnRunInRowsTwoToFourIsClosedFromBelow", R"(
    0     1       2       3     4       0up
    1up   1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down .       0
    1     2       3       4     .       1up
    1down 1updown 2up     2down .       3up
    3down 3updown 4down   1234  0       1 )",
     R"(
    0     1       2       3     4       0up
    1up   1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down 0       0
    1     2       3       4     .       1up
    1down 1updown 2up     2down .       3up
    3down 3updown 4down   1234  .       1 )",
     FallDirection::Up},
    {"GapsInRowsOneAndFourMakeTheWholeBoardRise", R"(
    0     1       2       3     4       0up
    .     1down   1updown 2up   2down   2updown
    3up   3down   3updown 4down 1234    0
    1     2       3       4     0up     1up
    1down 1updown 2up     2down 2updown .
    3down 3updown 4down   1234  0       1 )",
     R"(
    0       1       2       3     4       0up
    3up     1down   1updown 2up   2down   2updown
    1       3down   3updown 4down 1234    0
    1down   2       3       4     0up     1up
    3down   1updown 2up     2down 2updown 1
    .       3updown 4down   1234  0       . )",
     FallDirection::Up},
    {"TwoGapsInOneColumnFallKeepingTheOrder", R"(
    0     1       2       3     4       0up
    1up   1down   .       2up   2down   2updown
    3up   3down   3updown 4down 1234    0
    1     2       .       4     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown 4down   1234  0       1 )",
     R"(
    0     1       .       3     4       0up
    1up   1down   .       2up   2down   2updown
    3up   3down   2       4down 1234    0
    1     2       3updown 4     0up     1up
    1down 1updown 2up     2down 2updown 3up
    3down 3updown 4down   1234  0       1 )",
     FallDirection::Down},
    {"ABoardWithoutGapsIsLeftAsItIs", kBase, kBase, FallDirection::Up},
};

void PrintTo(const FallCase& c, std::ostream* os) {
    *os << c.name;
}

class Falling : public testing::TestWithParam<FallCase> {};

TEST_P(Falling, ClosesTheGapsTowardsTheNearerEdgeAndTheRefillFillsWhatIsLeft) {
    const FallCase& c = GetParam();
    GameHarness h;
    h.lay(c.before);
    EXPECT_EQ(fallDirection(h.board()), c.direction);
    h.clock.setEnabled(TimerId::MoveDown, true);
    h.clock.advanceBy(200);
    EXPECT_EQ(h.text(), boardText(c.after));
    for (int i = 0; i < kSquareCount; ++i) {
        EXPECT_EQ(h.board()[i].picture, pictureOf(h.board().kind(i))) << i; // pictures travel with kinds
        EXPECT_FALSE(h.board()[i].marked) << i;
    }
    EXPECT_FALSE(h.enabled(TimerId::MoveDown));
    EXPECT_TRUE(h.enabled(TimerId::FillUp));

    std::string expected; // every gap left after the fall gets the scripted kind
    for (char ch : c.after) expected += ch == '.' ? std::string("4down") : std::string(1, ch);
    h.random.script.assign(kSquareCount, uniformFor(1, Kind::K4down));
    h.clock.advanceBy(200);
    EXPECT_EQ(h.text(), boardText(expected));
    EXPECT_FALSE(h.enabled(TimerId::FillUp));
    EXPECT_TRUE(h.enabled(TimerId::WaitAfterReactions));
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, Falling, testing::ValuesIn(kFallCases),
                         [](const testing::TestParamInfo<FallCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(FallingStep, AColumnWithoutGapsIsNeverChangedWhileOthersMove) {
    Board board = boardOf(kBase);
    board.setKind(20, Kind::Removed);
    board.setKind(26, Kind::Removed);
    const Board before = board;
    EXPECT_EQ(closeGaps(board, FallDirection::Up), 2); // the bottom square climbs two rows
    for (int i = 0; i < kSquareCount; ++i)
        if (columnOf(i) != 2) {
            EXPECT_EQ(board[i], before[i]) << i;
        }
}

} // namespace
} // namespace quadrelle::test
