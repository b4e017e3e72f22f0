// SPDX-License-Identifier: MIT
// The settings over a run: what is saved when, a game that ends again higher, the high score
// saved with the entry of the game that raised it, options, clearing, and two games saving
// into one store without losing each other's scores.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "MemoryStorage.h"
#include "settings/SettingsKeeper.h"

namespace quadrelle::play {
namespace {

using testing::MemoryStorage;

std::vector<std::int64_t> storedScores(const MemoryStorage& storage) {
    std::vector<std::int64_t> scores;
    const BestScores stored = BestScores::storedIn(storage.texts, testing::kToday);
    for (const BestScoreEntry& entry : stored.entries()) scores.push_back(entry.score);
    return scores;
}

FinishedGame finished(std::int64_t score, std::uint64_t number) {
    return {score, 2, GameNumber{number}};
}

TEST(SettingsKeeper, aGameThatEndsAgainHigherReplacesItsOwnEntryOnly) {
    MemoryStorage storage;
    SettingsKeeper keeper(storage, testing::today);
    EXPECT_EQ(keeper.gameOver(finished(500, 1), 500), std::optional<int>(1));
    EXPECT_EQ(keeper.gameOver(finished(600, 1), 600), std::optional<int>(1));
    keeper.newGameStarted();
    EXPECT_EQ(keeper.gameOver(finished(300, 2), 600), std::optional<int>(2));
    EXPECT_EQ(storedScores(storage), (std::vector<std::int64_t>{600, 300}));
    EXPECT_EQ(storage.saves, 3);
}

// A raised high score goes in the one save of the entry its game makes, else alone right after,
// keeping the start level; a game that changed nothing saves nothing more.
TEST(SettingsKeeper, aRaisedHighScoreIsSavedWithTheEntryOrAloneRightAfter) {
    MemoryStorage storage({{"General/HiScore", "10"}, {"General/StartLevel", "6"}});
    for (int rank = 1; rank <= kBestScoresKept; ++rank)
        storage.texts["BestScores/" + std::to_string(rank)] = "1000 2 2026-01-01 " + std::to_string(rank);
    SettingsKeeper keeper(storage, testing::today);
    keeper.highScoreRaised();
    EXPECT_FALSE(keeper.gameOver(finished(440, 11), 440));
    EXPECT_EQ(storage.saves, 0);
    EXPECT_TRUE(keeper.saveRaisedHighScore(440));
    EXPECT_EQ(settingsIn(storage.texts), (Settings{440, 6}));

    keeper.newGameStarted();
    keeper.highScoreRaised();
    EXPECT_EQ(keeper.gameOver(finished(1500, 12), 1500), std::optional<int>(1));
    EXPECT_EQ(storage.saves, 2);
    EXPECT_EQ(storage.texts.at("General/HiScore"), "1500");
    EXPECT_EQ(storage.texts.at("BestScores/1"), "1500 2 2026-12-09 12");
    EXPECT_TRUE(keeper.saveRaisedHighScore(1500));
    EXPECT_EQ(storage.saves, 2);
}

TEST(SettingsKeeper, optionsAreSavedAsTheyChangeAndReadAtTheNextStart) {
    MemoryStorage storage;
    EXPECT_EQ(SettingsKeeper(storage, testing::today).options(), Options{});
    SettingsKeeper(storage, testing::today).changeOptions({false, true});
    EXPECT_EQ(storage.texts, (StoredTexts{{"Options/ColourSymbols", "true"}, {"Options/Sound", "false"}}));
    EXPECT_EQ(SettingsKeeper(storage, testing::today).options(), (Options{false, true}));
}

// Two games, each with the table it read at its start, saving into one store: "A 500" ends a
// game of 500, "A 500>600" the same game again at 600, "A clear" clears, "A save" saves all as
// at close; "refuse" and "accept" make the store refuse saves or not.
struct TwoGames {
    const char* name;
    std::vector<std::string> steps;
    std::vector<std::int64_t> stored;
};

void play(std::map<std::string, SettingsKeeper>& games, MemoryStorage& storage, const std::string& step) {
    if (step == "refuse" || step == "accept") {
        storage.refusing = step == "refuse";
        return;
    }
    std::istringstream words(step);
    std::string player, what;
    words >> player >> what;
    SettingsKeeper& keeper = games.at(player);
    if (what == "save") {
        keeper.saveAll({});
    } else if (what == "clear") {
        keeper.clearBestScores();
    } else {
        const std::size_t again = what.find('>');
        if (again == std::string::npos) keeper.newGameStarted();
        const std::int64_t score = std::stoll(again == std::string::npos ? what : what.substr(again + 1));
        keeper.gameOver(finished(score, std::stoull(what)), score);
    }
}

class TwoGamesOnOneStore : public ::testing::TestWithParam<TwoGames> {};

TEST_P(TwoGamesOnOneStore, keepEachOthersScores) {
    MemoryStorage storage;
    std::map<std::string, SettingsKeeper> games;
    games.try_emplace("A", storage, testing::today);
    games.try_emplace("B", storage, testing::today);
    for (const std::string& step : GetParam().steps) play(games, storage, step);
    EXPECT_EQ(storedScores(storage), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    play, TwoGamesOnOneStore,
    ::testing::Values(TwoGames{"bothEnter", {"A 500", "B 300", "A save", "B save"}, {500, 300}},
                      TwoGames{"aReplacedGameStaysOut",
                               {"A 500", "A save", "B 300", "B save", "A 500>600", "A save", "B save"},
                               {600, 300}},
                      TwoGames{"aClearedTableStaysCleared",
                               {"A 500", "A save", "B 300", "B save", "A clear", "A save", "B save"},
                               {}},
                      TwoGames{"anEntryWaitsForASaveThatWorks",
                               {"refuse", "A 500", "accept", "B 300", "A save"},
                               {500, 300}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quadrelle::play
