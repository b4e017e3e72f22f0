// SPDX-License-Identifier: MIT
// The hint: the first square whose colour step would react, else the first whose colour
// search would, else with an eraser in hand the first whose erasing would, read from the board
// alone.
#include <gtest/gtest.h>

#include "GameHarness.h"
#include "input/Hint.h"

namespace quadrelle {
namespace {

using namespace test;

struct HintCase {
    const char* name;
    std::string board;
    std::optional<Hint> expected;
    int erasers = 0;
};

class HintFinding : public ::testing::TestWithParam<HintCase> {};

TEST_P(HintFinding, namesTheSquareAndMoveThatReact) {
    const Board board = boardOf(GetParam().board);
    EXPECT_EQ(findHint(board, GetParam().erasers), GetParam().expected);
}

// Row 0 of the quiet board reads 0 1 2 0 1 2, row 5 reads 2 0 1 2 0 1.
INSTANTIATE_TEST_SUITE_P(
    engine, HintFinding,
    ::testing::Values(
        HintCase{"noArrowNoMove", quietBoard(), std::nullopt},
        HintCase{"arrowsThatReactNowhere", quietBoard("012", true), std::nullopt},
        HintCase{"stepUpCompletesARow", quietBoardWith({{0, "2"}, {1, "2"}, {2, "1up"}}),
                 Hint{2, HintMove::StepUp}},
        HintCase{"twoWaySquareStepsDown", quietBoardWith({{0, "1"}, {1, "1"}, {2, "2updown"}}),
                 Hint{2, HintMove::StepDown}},
        HintCase{"searchWhereNoStepReacts", quietBoardWith({{0, "2"}, {1, "2"}, {2, "0up"}}),
                 Hint{2, HintMove::Search}},
        HintCase{"aStepAnywhereBeatsAnEarlierSearch",
                 quietBoardWith({{0, "2"}, {1, "2"}, {2, "0up"}, {33, "2"}, {34, "2"}, {35, "1up"}}),
                 Hint{35, HintMove::StepUp}},
        HintCase{"theWildcardCompletesAnyColour", quietBoardWith({{0, "1234"}, {1, "2"}, {2, "1up"}}),
                 Hint{2, HintMove::StepUp}},
        // Column 0 reads 3 3 4 3 from the top: erasing the 4 lets the 3s above fall onto the third.
        HintCase{"erasingLetsARunFallTogether", quietBoardWith({{0, "3"}, {6, "3"}, {12, "4"}, {18, "3"}}),
                 Hint{12, HintMove::Erase}, 1},
        HintCase{"noEraserNoEraseHint", quietBoardWith({{0, "3"}, {6, "3"}, {12, "4"}, {18, "3"}}),
                 std::nullopt, 0},
        // Column 0 reads 3 3 4 3 from row 2 down: a gap low on the board closes upwards.
        HintCase{"erasingLetsARunRiseTogether", quietBoardWith({{12, "3"}, {18, "3"}, {24, "4"}, {30, "3"}}),
                 Hint{24, HintMove::Erase}, 2},
        HintCase{"aSearchBeatsAnEraser",
                 quietBoardWith({{0, "3"}, {6, "3"}, {12, "4"}, {18, "3"}, {33, "2"}, {34, "2"}, {35, "0up"}}),
                 Hint{35, HintMove::Search}, 1}),
    [](const ::testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quadrelle
