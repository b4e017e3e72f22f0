// SPDX-License-Identifier: MIT
// The best scores as a screen shows them, in the player's language: the title, the column
// headings, one row of cells per game, best first, and the lines above the table: the rank a
// game just entered took, or that the table is empty. Numbers are written as the counters are,
// without separators, so a game number reads as it is typed to replay the game.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "settings/BestScores.h"
#include "texts/Texts.h"

namespace quadrelle::play {

enum class BestScoresColumn { Rank, Score, Level, Date, GameNumber };
inline constexpr int kBestScoresColumns = 5;

// One text per column, in the order of BestScoresColumn.
using BestScoresRow = std::array<std::string, kBestScoresColumns>;

struct BestScoresTable {
    std::string title;
    BestScoresRow headings;
    std::vector<BestScoresRow> rows;
    // "This game took rank 2."; empty without a new rank.
    std::string rankLine;
    // Said while the table has no rows; empty when it has.
    std::string emptyLine;
};

// newRank counts from 1, as BestScores::insert returns it.
BestScoresTable bestScoresTable(const BestScores& scores, std::optional<int> newRank, Language language);

} // namespace quadrelle::play
