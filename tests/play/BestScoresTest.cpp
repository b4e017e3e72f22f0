// SPDX-License-Identifier: MIT
// The best-scores table: ranking and ties, the cap at ten, which scores enter, stored entries
// that are not ours, and a stored section of any shape written back whole.
#include <gtest/gtest.h>

#include "MemoryStorage.h"
#include "settings/BestScores.h"
#include "settings/SettingsKeeper.h"

namespace quadrelle::play {
namespace {

using testing::kToday;
using testing::MemoryStorage;

// The game number tells entries of equal score apart.
BestScoreEntry game(std::int64_t score, std::uint64_t gameNumber = 0) {
    return {score, 3, kToday, gameNumber == 0 ? static_cast<std::uint64_t>(score) : gameNumber};
}

BestScores tableOf(std::initializer_list<std::int64_t> scores) {
    BestScores table;
    for (const std::int64_t score : scores) table.insert(game(score));
    return table;
}

std::vector<std::uint64_t> gameNumbersOf(const BestScores& table) {
    std::vector<std::uint64_t> numbers;
    for (const BestScoreEntry& entry : table.entries()) numbers.push_back(entry.gameNumber);
    return numbers;
}

struct Insertions {
    const char* name;
    std::vector<std::int64_t> scores;
    std::vector<int> ranks;
    std::vector<std::uint64_t> order;
};

class BestScoresInsert : public ::testing::TestWithParam<Insertions> {};

TEST_P(BestScoresInsert, ranksBestFirstAndEqualScoresInTheOrderTheyCame) {
    const Insertions& row = GetParam();
    BestScores table;
    std::vector<int> ranks;
    for (std::size_t i = 0; i < row.scores.size(); ++i)
        ranks.push_back(table.insert(game(row.scores[i], i + 1)).value_or(-1));
    EXPECT_EQ(ranks, row.ranks);
    EXPECT_EQ(gameNumbersOf(table), row.order);
}

INSTANTIATE_TEST_SUITE_P(
    play, BestScoresInsert,
    ::testing::Values(Insertions{"rising", {10, 20, 30}, {1, 1, 1}, {3, 2, 1}},
                      Insertions{"falling", {30, 20, 10}, {1, 2, 3}, {1, 2, 3}},
                      Insertions{"tiesAfterTheEarlier", {50, 50, 70, 50}, {1, 2, 1, 4}, {3, 1, 2, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BestScores, keepTheTenBestAndATieWithTheTenthStaysOut) {
    BestScores table = tableOf({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    EXPECT_FALSE(table.qualifies(10));
    EXPECT_FALSE(table.insert(game(10, 999)));
    EXPECT_TRUE(table.qualifies(11));
    EXPECT_EQ(table.insert(game(55)), std::optional<int>(6));
    EXPECT_EQ(table.entries().size(), 10u);
    EXPECT_EQ(table.entries().back().score, 20);
}

TEST(BestScores, aScoreOfZeroNeverEnters) {
    BestScores table;
    EXPECT_FALSE(table.qualifies(0));
    EXPECT_FALSE(table.qualifies(-5));
    EXPECT_FALSE(table.insert(game(0, 1)));
    EXPECT_TRUE(table.entries().empty());
    EXPECT_TRUE(table.qualifies(1));
}

TEST(BestScores, aLongStoredTableIsCutToTen) {
    StoredTexts texts;
    for (int rank = 1; rank <= 12; ++rank)
        texts["BestScores/" + std::to_string(rank)] = std::to_string(rank * 10) + " 1 2026-01-01 1";
    const BestScores table = BestScores::storedIn(texts, kToday);
    ASSERT_EQ(table.entries().size(), 10u);
    EXPECT_EQ(table.entries().front().score, 120);
    EXPECT_EQ(table.entries().back().score, 30);
}

struct HostileEntry {
    const char* name;
    const char* value;
};

class StoredBestScore : public ::testing::TestWithParam<HostileEntry> {};

TEST_P(StoredBestScore, thatIsNotOursIsDroppedAndTheRestRanked) {
    const StoredTexts texts{{"BestScores/1", "20 1 2026-01-01 2"},
                            {"BestScores/2", GetParam().value},
                            {"BestScores/x", "900 1 2026-01-01 9"},
                            {"BestScores/3", "40 2 2026-01-02 4"}};
    EXPECT_EQ(gameNumbersOf(BestScores::storedIn(texts, kToday)), (std::vector<std::uint64_t>{4, 2}));
}

INSTANTIATE_TEST_SUITE_P(
    play, StoredBestScore,
    ::testing::Values(
        HostileEntry{"empty", ""}, HostileEntry{"words", "lots of points"},
        HostileEntry{"threeFields", "500 3 2026-12-09"}, HostileEntry{"fiveFields", "500 3 2026-12-09 7 8"},
        HostileEntry{"twoSpaces", "500  3 2026-12-09 7"}, HostileEntry{"zeroScore", "0 3 2026-12-09 7"},
        HostileEntry{"negativeScore", "-500 3 2026-12-09 7"}, HostileEntry{"levelZero", "500 0 2026-12-09 7"},
        HostileEntry{"noDate", "500 3 2026-02-30 7"}, HostileEntry{"negativeGame", "500 3 2026-12-09 -7"},
        HostileEntry{"hugeScore", "99999999999999999999 3 2026-12-09 7"},
        HostileEntry{"aList", "500,3,2026-12-09,7"},
        HostileEntry{"scoreAboveTheHighScoresCap", "9223372036854775807 3 2026-12-09 7"},
        HostileEntry{"levelBeyondTheCap", "500 2147483647 2026-12-09 7"},
        HostileEntry{"dateToCome", "500 3 2099-12-09 7"},
        HostileEntry{"theDayAfterTomorrow", "500 3 2026-12-11 7"},
        HostileEntry{"plusSign", "+85 3 2026-12-09 7"},
        HostileEntry{"plusSignOnTheGame", "500 3 2026-12-09 +7"}),
    [](const auto& info) { return std::string(info.param.name); });

// Start and close twice: a section of any shape comes back as the best ten, keys 1 to N.
struct StoredSection {
    const char* name;
    StoredTexts texts;
    std::vector<std::int64_t> scores;
};

StoredSection aThousandRanks() {
    StoredSection section{"aThousandRanks", {}, {5000, 4990, 4980, 4970, 4960, 4950, 4940, 4930, 4920, 4910}};
    // Every entry twice, as saving by rank alone left them.
    for (int rank = 1; rank <= 1000; ++rank)
        section.texts["BestScores/" + std::to_string(rank)] =
            std::to_string((1002 - rank) / 2) + "0 2 2026-01-01 1";
    return section;
}

class StoredSectionOfAnyShape : public ::testing::TestWithParam<StoredSection> {};

TEST_P(StoredSectionOfAnyShape, isWrittenBackAsTheBestTenOnce) {
    MemoryStorage storage(GetParam().texts);
    for (int run = 0; run < 2; ++run) {
        SettingsKeeper keeper(storage, testing::today);
        keeper.saveAll(keeper.startSettings());
    }
    StoredTexts expected;
    const std::vector<std::int64_t>& scores = GetParam().scores;
    for (std::size_t i = 0; i < scores.size(); ++i)
        expected["BestScores/" + std::to_string(i + 1)] = std::to_string(scores[i]) + " 2 2026-01-01 1";
    std::erase_if(storage.texts, [](const auto& text) { return !text.first.starts_with("BestScores/"); });
    EXPECT_EQ(storage.texts, expected);
}

INSTANTIATE_TEST_SUITE_P(play, StoredSectionOfAnyShape,
                         ::testing::Values(aThousandRanks(),
                                           StoredSection{"strayKeys",
                                                         {{"BestScores/1", "500 2 2026-01-01 1"},
                                                          {"BestScores/0", "700 2 2026-01-01 1"},
                                                          {"BestScores/-3", "700 2 2026-01-01 1"},
                                                          {"BestScores/11", "650 2 2026-01-01 1"},
                                                          {"BestScores/abc", "900 2 2026-01-01 1"},
                                                          {"BestScores/2", ""}},
                                                         {700, 650, 500}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quadrelle::play
