// SPDX-License-Identifier: MIT
// The hint: the first square whose colour step would react, else the first whose colour
// search would, read from the board alone.
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
};

class HintFinding : public ::testing::TestWithParam<HintCase> {};

TEST_P(HintFinding, namesTheSquareAndMoveThatReact) {
    const Board board = boardOf(GetParam().board);
    EXPECT_EQ(findHint(board), GetParam().expected);
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
                 Hint{2, HintMove::StepUp}}),
    [](const ::testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quadrelle
