// SPDX-License-Identifier: MIT
// Game numbers as players type them: read strictly, and what is wrong told apart.
#include <gtest/gtest.h>

#include "session/GameNumberText.h"

namespace quadrelle::play {
namespace {

struct TypedNumber {
    const char* name;
    const char* text;
    GameNumberProblem problem;
    std::uint64_t number = 0;
};

class GameNumberReading : public ::testing::TestWithParam<TypedNumber> {};

TEST_P(GameNumberReading, takesPlainDigitsOnlyAndSaysWhatIsWrong) {
    const TypedNumber& typed = GetParam();
    EXPECT_EQ(gameNumberProblem(typed.text), typed.problem);
    const auto expected =
        typed.problem == GameNumberProblem::None ? std::optional(GameNumber{typed.number}) : std::nullopt;
    EXPECT_EQ(parseGameNumber(typed.text), expected);
}

using enum GameNumberProblem;

INSTANTIATE_TEST_SUITE_P(
    play, GameNumberReading,
    ::testing::Values(TypedNumber{"zero", "0", None, 0}, TypedNumber{"digits", "424242", None, 424242},
                      TypedNumber{"spacesAround", " \t42 ", None, 42},
                      TypedNumber{"largest", "18446744073709551615", None, 18446744073709551615u},
                      TypedNumber{"empty", "", Empty}, TypedNumber{"onlySpaces", "   ", Empty},
                      TypedNumber{"hex", "0x10", NotDigits}, TypedNumber{"plus", "+5", NotDigits},
                      TypedNumber{"minus", "-1", NotDigits}, TypedNumber{"exponent", "1e5", NotDigits},
                      TypedNumber{"spaceInside", "4 2", NotDigits},
                      TypedNumber{"oneAboveTheLargest", "18446744073709551616", TooLarge},
                      TypedNumber{"twentyThreeNines", "99999999999999999999999", TooLarge}),
    [](const ::testing::TestParamInfo<TypedNumber>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quadrelle::play
