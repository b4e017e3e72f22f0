// SPDX-License-Identifier: MIT
// How the simulator's messages show what was typed: values quoted short and on one line, and
// an option without its value named as such even when the next option follows at once.
#include <gtest/gtest.h>

#include "Arguments.h"

using namespace quadrelle::sim;

namespace {

struct Quoting {
    const char* name;
    std::string value;
    std::string expected;
};

class QuotedValue : public testing::TestWithParam<Quoting> {};

TEST_P(QuotedValue, staysOnOneLineAndShort) {
    EXPECT_EQ(quoted(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, QuotedValue,
    testing::Values(Quoting{"plain", "abc", "'abc'"}, Quoting{"newlineAndTab", "1\n2\t3\r", "'1\\n2\\t3\\r'"},
                    Quoting{"otherControls", std::string("a\0b\x1b", 4), "'a\\x00b\\x1b'"},
                    Quoting{"fortyKept", std::string(40, 'x'), "'" + std::string(40, 'x') + "'"},
                    Quoting{"longCut", std::string(100000, 'x'), "'" + std::string(40, 'x') + "\u2026'"},
                    Quoting{"cutBetweenCharacters", std::string(39, 'x') + "\u00e9\u00e9",
                            "'" + std::string(39, 'x') + "\u00e9\u2026'"}),
    [](const testing::TestParamInfo<Quoting>& info) { return std::string(info.param.name); });

std::string messageFor(const std::vector<std::string>& words) {
    try {
        const Arguments args(words, {"games", "seed"});
        args.integer("games", 1, 100);
        args.seed("seed");
    } catch (const UsageError& error) {
        return error.what();
    }
    return "accepted";
}

TEST(ArgumentsMessages, nameTheOptionThatLacksItsValue) {
    EXPECT_EQ(messageFor({"--games", "--seed", "1"}), "--games needs a value");
    EXPECT_EQ(messageFor({"--seed", "1", "--games"}), "--games needs a value");
}

TEST(ArgumentsMessages, quoteABadValueShortAndOnOneLine) {
    const std::string message = messageFor({"--games", std::string(100000, '7') + "\nx", "--seed", "1"});
    EXPECT_EQ(message.find('\n'), std::string::npos);
    EXPECT_LT(message.size(), 120u) << message;
    EXPECT_EQ(messageFor({"--seed", "1", "--games", "2\n"}),
              "option '--games' must be a whole number from 1 to 100, not '2\\n'");
}

} // namespace
