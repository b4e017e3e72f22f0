// SPDX-License-Identifier: MIT
// The best-scores table as a small window, laid out from the play layer's texts of it: rank,
// score, level, date and game number, one row per game. Shown after a game over that entered
// the table, a line says the new game's rank and its row is highlighted.
#pragma once

#include <QDialog>

#include <optional>

#include "screen/BestScoresTable.h"
#include "settings/BestScores.h"

class QTableWidget;

namespace quadrelle::app {

class BestScoresDialog : public QDialog {
    Q_OBJECT

public:
    // newRank counts from 1, as BestScores::insert returns it.
    explicit BestScoresDialog(const play::BestScores& scores, std::optional<int> newRank = std::nullopt,
                              QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }

private:
    void fillRows(const play::BestScoresTable& texts);
    void highlightRow(int row);

    QTableWidget* table_;
};

// Opens the table as a window of its own beside the game's, in place of one already open; it
// deletes itself when closed. With a new rank it opens without taking the focus.
BestScoresDialog* showBestScores(const play::BestScores& scores, std::optional<int> newRank, QWidget* parent);
void closeBestScores(QWidget* parent);

} // namespace quadrelle::app
