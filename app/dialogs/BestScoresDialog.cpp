// SPDX-License-Identifier: MIT
// Building the best-scores window.
#include "dialogs/BestScoresDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/PlaceBeside.h"

namespace quadrelle::app {

namespace {

enum Column { Rank, Score, Level, Date, GameNumber, ColumnCount };

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

BestScoresDialog::BestScoresDialog(const play::BestScores& scores, std::optional<int> newRank,
                                   QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(0, ColumnCount, this)) {
    setObjectName(QStringLiteral("BestScoresDialog"));
    setWindowTitle(tr("Best scores"));
    table_->setObjectName(QStringLiteral("BestScoresTable"));
    table_->setAccessibleName(windowTitle());
    table_->setHorizontalHeaderLabels({tr("Rank"), tr("Score"), tr("Level"), tr("Date"), tr("Game number")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fillRows(scores);
    if (newRank && *newRank >= 1 && *newRank <= table_->rowCount()) highlightRow(*newRank - 1);

    auto* rankLine = new QLabel(newRank ? tr("This game took rank %1.").arg(*newRank) : QString(), this);
    rankLine->setObjectName(QStringLiteral("BestScoresRank"));
    rankLine->setVisible(newRank.has_value());
    auto* empty = new QLabel(tr("No games in the table yet: a game over with a score enters it."), this);
    empty->setObjectName(QStringLiteral("BestScoresEmpty"));
    empty->setVisible(scores.entries().empty());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rankLine);
    layout->addWidget(empty);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    table_->resizeColumnsToContents();
    table_->setMinimumWidth(table_->horizontalHeader()->length() + 2 * table_->frameWidth());
    table_->setMinimumHeight(table_->horizontalHeader()->height() +
                             play::kBestScoresKept * table_->verticalHeader()->defaultSectionSize() +
                             2 * table_->frameWidth());
}

void BestScoresDialog::fillRows(const play::BestScores& scores) {
    const auto& entries = scores.entries();
    table_->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const play::BestScoreEntry& entry = entries[static_cast<std::size_t>(row)];
        table_->setItem(row, Rank, cell(QString::number(row + 1)));
        // Numbers as the window writes its counters, without separators; the game number is
        // typed in like this to replay a game.
        table_->setItem(row, Score, cell(QString::number(entry.score)));
        table_->setItem(row, Level, cell(QString::number(entry.level)));
        table_->setItem(row, Date,
                        cell(QString::fromStdString(play::dateTextOf(entry.date)), Qt::AlignCenter));
        table_->setItem(row, GameNumber, cell(QString::number(entry.gameNumber)));
    }
}

void BestScoresDialog::highlightRow(int row) {
    for (int column = 0; column < ColumnCount; ++column) {
        QTableWidgetItem* item = table_->item(row, column);
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
        item->setBackground(palette().highlight());
        item->setForeground(palette().highlightedText());
    }
    table_->setCurrentCell(row, Rank);
    table_->scrollToItem(table_->item(row, Rank));
}

void closeBestScores(QWidget* parent) {
    // Deleted at once, so that the game finds only the window it shows next.
    delete parent->findChild<BestScoresDialog*>(QString(), Qt::FindDirectChildrenOnly);
}

BestScoresDialog* showBestScores(const play::BestScores& scores, std::optional<int> newRank,
                                 QWidget* parent) {
    closeBestScores(parent);
    auto* dialog = new BestScoresDialog(scores, newRank, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // After a game over the player keeps the board, its "Game Over" banner and the keys.
    dialog->setAttribute(Qt::WA_ShowWithoutActivating, newRank.has_value());
    moveBeside(dialog, parent);
    dialog->show();
    return dialog;
}

} // namespace quadrelle::app
