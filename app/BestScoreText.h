// SPDX-License-Identifier: MIT
// One best-scores entry as the settings file holds it: "score level date game-number", e.g.
// "1250 7 2026-12-09 8812734412", read as strictly as the high score: plain whole numbers in
// range and a real date that has come.
#pragma once

#include <QString>

#include <optional>

#include "BestScores.h"

namespace quadrelle::app {

// Levels rise by one every 20 reactions from at most 9; level 9999 takes some 200,000
// reactions, days of unbroken play, so a higher one was not written by a game.
inline constexpr int kMaxBestScoreLevel = 9999;

QString storedTextOf(const BestScoreEntry& entry);
// Nothing for a text that is not an entry the game could have written by `today`; a day's
// slack lets a game saved ahead in another time zone through.
std::optional<BestScoreEntry> bestScoreEntryOf(const QString& text, const QDate& today);

// The plain style of the table window too: digits without separators, the date as yyyy-MM-dd.
QString dateTextOf(const QDate& date);

} // namespace quadrelle::app
