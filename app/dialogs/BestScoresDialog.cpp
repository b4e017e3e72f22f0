// SPDX-License-Identifier: MIT
// Building the best-scores window.
#include "dialogs/BestScoresDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/PlaceBeside.h"
#include "platform/Translations.h"

namespace quadrelle::app {

namespace {

using play::BestScoresColumn;
constexpr int kRankColumn = static_cast<int>(BestScoresColumn::Rank);

QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

// Numbers stand to the right, the date in the middle.
QTableWidgetItem* cell(const std::string& text, BestScoresColumn column) {
    auto* item = new QTableWidgetItem(qtText(text));
    item->setTextAlignment(column == BestScoresColumn::Date ? Qt::AlignCenter
                                                            : Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

BestScoresDialog::BestScoresDialog(const play::BestScores& scores, std::optional<int> newRank,
                                   QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(0, play::kBestScoresColumns, this)) {
    const play::BestScoresTable texts = play::bestScoresTable(scores, newRank, gameLanguage());
    setObjectName(QStringLiteral("BestScoresDialog"));
    setWindowTitle(qtText(texts.title));
    table_->setObjectName(QStringLiteral("BestScoresTable"));
    table_->setAccessibleName(windowTitle());
    QStringList headings;
    for (const std::string& heading : texts.headings) headings.append(qtText(heading));
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fillRows(texts);
    if (newRank && *newRank >= 1 && *newRank <= table_->rowCount()) highlightRow(*newRank - 1);

    auto* rankLine = new QLabel(qtText(texts.rankLine), this);
    rankLine->setObjectName(QStringLiteral("BestScoresRank"));
    rankLine->setVisible(!texts.rankLine.empty());
    auto* empty = new QLabel(qtText(texts.emptyLine), this);
    empty->setObjectName(QStringLiteral("BestScoresEmpty"));
    empty->setVisible(!texts.emptyLine.empty());
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

void BestScoresDialog::fillRows(const play::BestScoresTable& texts) {
    table_->setRowCount(static_cast<int>(texts.rows.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const play::BestScoresRow& cells = texts.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < play::kBestScoresColumns; ++column)
            table_->setItem(
                row, column,
                cell(cells[static_cast<std::size_t>(column)], static_cast<BestScoresColumn>(column)));
    }
}

void BestScoresDialog::highlightRow(int row) {
    for (int column = 0; column < play::kBestScoresColumns; ++column) {
        QTableWidgetItem* item = table_->item(row, column);
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
        item->setBackground(palette().highlight());
        item->setForeground(palette().highlightedText());
    }
    table_->setCurrentCell(row, kRankColumn);
    table_->scrollToItem(table_->item(row, kRankColumn));
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
