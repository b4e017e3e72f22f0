// SPDX-License-Identifier: MIT
// The simulator's argument checks, its fill counts and its play summary.
#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

#include "Arguments.h"
#include "FillCommand.h"
#include "PlayCommand.h"

using namespace quadrelle;
using namespace quadrelle::sim;

namespace {

struct BadArguments {
    std::string name;
    std::vector<std::string> words;
    std::string messagePart;
};

void PrintTo(const BadArguments& bad, std::ostream* os) {
    *os << bad.name;
}

class ArgumentsRejects : public testing::TestWithParam<BadArguments> {};

TEST_P(ArgumentsRejects, withAMessageNamingTheProblem) {
    const BadArguments& bad = GetParam();
    try {
        const Arguments args(bad.words, {"level", "fills", "seed"});
        args.integer("level", 1, 9);
        args.integer("fills", 1, 100);
        args.seed("seed");
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_NE(std::string(error.what()).find(bad.messagePart), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, ArgumentsRejects,
    testing::Values(
        BadArguments{"missingSeed", {"--level", "1", "--fills", "2"}, "missing option '--seed'"},
        BadArguments{"levelNotANumber",
                     {"--level", "x", "--fills", "2", "--seed", "1"},
                     "'--level' must be a whole number"},
        BadArguments{"levelOutOfRange", {"--level", "10", "--fills", "2", "--seed", "1"}, "from 1 to 9"},
        BadArguments{"negativeSeed", {"--level", "1", "--fills", "2", "--seed", "-1"}, "'--seed'"},
        BadArguments{"fractionalFills", {"--level", "1", "--fills", "2.5", "--seed", "1"}, "'2.5'"},
        BadArguments{"unknownOption", {"--level", "1", "--colour", "2"}, "unknown option '--colour'"},
        BadArguments{"optionWithoutValue", {"--level"}, "needs a value"},
        BadArguments{"wordWithoutDashes", {"level", "1"}, "unexpected argument 'level'"},
        BadArguments{"optionTwice", {"--level", "1", "--level", "2"}, "given twice"}),
    [](const testing::TestParamInfo<BadArguments>& info) { return info.param.name; });

TEST(ArgumentsAccept, anOptionalOptionFallsBackWhenAbsent) {
    const Arguments args({"--games", "3"}, {"games", "start-level"});
    EXPECT_EQ(args.integer("start-level", 1, 9, 1), 1);
    EXPECT_EQ(args.integer("games", 1, 10), 3);
}

TEST(FillCommand, countsEverySquareOfEveryFillOnceAndSwitchedOffKindsNever) {
    const FillCounts level1 = countFills(1, 500, 7);
    EXPECT_EQ(level1.squares, 500 * 36);
    EXPECT_EQ(std::accumulate(level1.counts.begin(), level1.counts.end(), std::int64_t{0}), level1.squares);
    for (std::size_t i = 0; i < kOddsChain.size(); ++i) {
        const bool switchedOff = oddsRowForLevel(1).bounds[i] < 0;
        EXPECT_EQ(level1.counts[i] == 0, switchedOff) << kindText(kOddsChain[i]);
    }
}

TEST(FillCommand, printsTheCountsInChainOrderAsOneJsonLine) {
    FillCounts result{3, 72, {}};
    result.counts[0] = 5;
    result.counts[16] = 2;
    const std::string json = toJson(result);
    EXPECT_EQ(json.rfind(R"({"level":3,"squares":72,"counts":{"4down":5,"3up":0,)", 0), 0u) << json;
    EXPECT_NE(json.find(R"("0":0,"1234":2}})"), std::string::npos) << json;
}

TEST(FillCommand, theSameSeedGivesTheSameCounts) {
    EXPECT_EQ(countFills(5, 50, 99).counts, countFills(5, 50, 99).counts);
    EXPECT_NE(countFills(5, 50, 99).counts, countFills(5, 50, 100).counts);
}

TEST(PlayCommand, playsWholeGamesWithoutBreakingAnInvariant) {
    std::ostringstream log;
    const PlayResult result = playGames({20, 3, 1}, log);
    EXPECT_EQ(result.games, 20);
    EXPECT_EQ(result.violations, 0) << log.str();
    EXPECT_GT(result.moves, 20);
    EXPECT_GT(result.reactions, 0);
    EXPECT_GE(result.maxLevel, 1);
    EXPECT_GT(result.meanScore, 0);
}

TEST(PlayCommand, startsEveryGameAtTheChosenStartLevel) {
    std::ostringstream log;
    EXPECT_GE(playGames({3, 11, 9}, log).maxLevel, 9);
}

TEST(PlayCommand, theSameSeedReplaysTheSameGames) {
    std::ostringstream log;
    PlayResult first = playGames({5, 21, 2}, log);
    PlayResult second = playGames({5, 21, 2}, log);
    first.elapsedMs = second.elapsedMs = 0;
    EXPECT_EQ(toJson(first), toJson(second));
}

} // namespace
