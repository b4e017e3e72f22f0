// SPDX-License-Identifier: MIT
#include "screen/BestScoresTable.h"

#include "screen/Captions.h"
#include "texts/Format.h"

namespace quadrelle::play {

namespace {

constexpr auto kContext = "BestScoresTable";

std::string translated(Language language, const char* text) {
    return std::string(translate(language, kContext, text));
}

BestScoresRow rowOf(int rank, const BestScoreEntry& entry) {
    return {numberText(rank), numberText(entry.score), numberText(entry.level), dateTextOf(entry.date),
            std::to_string(entry.gameNumber)};
}

} // namespace

BestScoresTable bestScoresTable(const BestScores& scores, std::optional<int> newRank, Language language) {
    BestScoresTable table;
    table.title = translated(language, PLAY_TEXT("BestScoresTable", "Best scores"));
    table.headings = {translated(language, PLAY_TEXT("BestScoresTable", "Rank")),
                      translated(language, PLAY_TEXT("BestScoresTable", "Score")),
                      translated(language, PLAY_TEXT("BestScoresTable", "Level")),
                      translated(language, PLAY_TEXT("BestScoresTable", "Date")),
                      translated(language, PLAY_TEXT("BestScoresTable", "Game number"))};
    int rank = 0;
    for (const BestScoreEntry& entry : scores.entries()) table.rows.push_back(rowOf(++rank, entry));
    if (newRank)
        table.rankLine =
            withArguments(translated(language, PLAY_TEXT("BestScoresTable", "This game took rank %1.")),
                          {numberText(*newRank)});
    if (table.rows.empty())
        table.emptyLine =
            translated(language, PLAY_TEXT("BestScoresTable",
                                           "No games in the table yet: a game over with a score enters it."));
    return table;
}

} // namespace quadrelle::play
