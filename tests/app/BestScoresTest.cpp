// SPDX-License-Identifier: MIT
// The best scores in the real settings file: the round trip beside the high score, two games
// saving into one file, and the window that shows the table with the new game highlighted.
#include <QFile>
#include <QTableWidget>
#include <QTest>

#include "dialogs/BestScoresDialog.h"
#include "TestMain.h"
#include "TestWindow.h"
#include "settings/QtSettingsStorage.h"
#include "settings/SettingsKeeper.h"

using namespace quadrelle;
using namespace quadrelle::app;
using namespace quadrelle::play;

namespace {

constexpr CalendarDate kDay{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(9)};

CalendarDate today() {
    return kDay;
}

BestScoreEntry game(std::int64_t score, std::uint64_t gameNumber = 0) {
    return {score, 3, kDay, gameNumber == 0 ? static_cast<std::uint64_t>(score) : gameNumber};
}

BestScores tableOf(std::initializer_list<std::int64_t> scores) {
    BestScores table;
    for (const std::int64_t score : scores) table.insert(game(score));
    return table;
}

BestScores storedTable(const QtSettingsStorage& storage) {
    return BestScores::storedIn(storage.read(), kDay);
}

QList<qint64> storedScores() {
    QList<qint64> scores;
    const BestScores stored = storedTable(QtSettingsStorage());
    for (const BestScoreEntry& entry : stored.entries()) scores.append(entry.score);
    return scores;
}

} // namespace

class BestScoresTest : public QObject {
    Q_OBJECT

private slots:
    void theTableRoundTripsThroughTheSettingsFileBesideTheHighScoreAndClears() {
        QtSettingsStorage storage;
        QVERIFY(storage.set(textsOf(Settings{4500, 3})));
        BestScores table = tableOf({4500, 120});
        table.insert({33000, 12, std::chrono::year(2025) / 1 / 31, 18446744073709551615ull});
        QVERIFY(storage.update([&table](const StoredTexts&) { return table.storedChange(); }));

        QCOMPARE(storedTable(storage).entries(), table.entries());
        QCOMPARE(settingsIn(storage.read()).highScore, std::int64_t{4500});
        QFile file(storage.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[BestScores]\n1=33000 12 2025-01-31 18446744073709551615\n"),
                 text.constData());
        QVERIFY2(text.contains("[General]\nHiScore=4500\n"), text.constData());

        QVERIFY(SettingsKeeper(storage, today).clearBestScores());
        QVERIFY(storedTable(storage).entries().empty());
        QVERIFY2(!testing::settingsFileText().contains("BestScores"),
                 testing::settingsFileText().constData());
        QCOMPARE(settingsIn(storage.read()).highScore, std::int64_t{4500});
    }

    // Two games, each with its own store of the one file and the table it read at its start:
    // each save merges with what the other saved, read under the file's lock.
    void twoGamesSavingIntoOneFileKeepEachOthersScores() {
        testing::writeSettings({});
        QtSettingsStorage fileOfA, fileOfB;
        SettingsKeeper a(fileOfA, today), b(fileOfB, today);
        QVERIFY(a.gameOver({500, 2, GameNumber{1}}, 500));
        QVERIFY(b.gameOver({300, 2, GameNumber{2}}, 500));
        // The same game of A, ended again higher, replaces its entry.
        QVERIFY(a.gameOver({600, 2, GameNumber{1}}, 600));
        QVERIFY(b.saveAll({600, 1}));
        QCOMPARE(storedScores(), (QList<qint64>{600, 300}));
    }

    // Numbers and dates as the file has them, whatever the locale's separators.
    void theWindowShowsARowPerGameAndHighlightsTheNewOne() {
        BestScores table = tableOf({3000000, 100});
        const std::optional<int> rank = table.insert({200, 7, kDay, 4242});
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        BestScoresDialog dialog(table, rank);
        QLocale::setDefault(QLocale::c());
        const QTableWidget* rows = dialog.table();
        QCOMPARE(rows->rowCount(), 3);
        QCOMPARE(rows->columnCount(), 5);
        QCOMPARE(rows->accessibleName(), QStringLiteral("Best scores"));
        QCOMPARE(rows->item(1, 0)->text(), QStringLiteral("2"));
        QCOMPARE(rows->item(1, 2)->text(), QStringLiteral("7"));
        QCOMPARE(rows->item(1, 3)->text(), QStringLiteral("2026-12-09"));
        QCOMPARE(rows->item(1, 4)->text(), QStringLiteral("4242"));
        QCOMPARE(rows->item(0, 1)->text(), QStringLiteral("3000000"));
        QCOMPARE(dialog.findChild<QLabel*>("BestScoresRank")->text(),
                 QStringLiteral("This game took rank 2."));
        for (int row = 0; row < rows->rowCount(); ++row)
            QCOMPARE(rows->item(row, 1)->font().bold(), row == 1);
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("BestScoresEmpty"))->isHidden());
    }

    void anEmptyTableSaysSo() {
        BestScoresDialog dialog{BestScores()};
        QCOMPARE(dialog.table()->rowCount(), 0);
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("BestScoresEmpty"))->isHidden());
    }
};

QUADRELLE_TEST_MAIN(BestScoresTest)
#include "BestScoresTest.moc"
