// SPDX-License-Identifier: MIT
// The best-scores table: ranking and ties, the cap at ten, which scores enter, the round trip
// through the real settings file beside the high score, entries that are not ours, and the
// window that shows the table with the new game highlighted.
#include <QFile>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "BestScores.h"
#include "BestScoresDialog.h"
#include "SettingsStore.h"
#include "TestMain.h"

using namespace quadrelle::app;

namespace {

const QDate kDay(2026, 12, 9);

// The game number tells entries of equal score apart.
BestScoreEntry game(std::int64_t score, std::uint64_t gameNumber = 0) {
    return {score, 3, kDay, gameNumber == 0 ? static_cast<std::uint64_t>(score) : gameNumber};
}

BestScores tableOf(std::initializer_list<std::int64_t> scores) {
    BestScores table;
    for (const std::int64_t score : scores) table.insert(game(score));
    return table;
}

QList<std::uint64_t> gameNumbersOf(const BestScores& table) {
    QList<std::uint64_t> numbers;
    for (const BestScoreEntry& entry : table.entries()) numbers.append(entry.gameNumber);
    return numbers;
}

void writeFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

} // namespace

class BestScoresTest : public QObject {
    Q_OBJECT

private slots:
    void insertRanksBestFirstAndEqualScoresInTheOrderTheyCame_data() {
        QTest::addColumn<QList<qint64>>("scores");
        QTest::addColumn<QList<int>>("ranks");
        QTest::addColumn<QList<std::uint64_t>>("order");
        QTest::newRow("rising") << QList<qint64>{10, 20, 30} << QList<int>{1, 1, 1}
                                << QList<std::uint64_t>{3, 2, 1};
        QTest::newRow("falling") << QList<qint64>{30, 20, 10} << QList<int>{1, 2, 3}
                                 << QList<std::uint64_t>{1, 2, 3};
        QTest::newRow("ties after the earlier")
            << QList<qint64>{50, 50, 70, 50} << QList<int>{1, 2, 1, 4} << QList<std::uint64_t>{3, 1, 2, 4};
    }
    void insertRanksBestFirstAndEqualScoresInTheOrderTheyCame() {
        QFETCH(QList<qint64>, scores);
        QFETCH(QList<int>, ranks);
        QFETCH(QList<std::uint64_t>, order);
        BestScores table;
        QList<int> gotRanks;
        for (qsizetype i = 0; i < scores.size(); ++i)
            gotRanks.append(table.insert(game(scores[i], static_cast<std::uint64_t>(i + 1))).value_or(-1));
        QCOMPARE(gotRanks, ranks);
        QCOMPARE(gameNumbersOf(table), order);
    }

    void theTableKeepsTheTenBestAndATieWithTheTenthStaysOut() {
        BestScores table = tableOf({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
        QVERIFY(!table.qualifies(10));
        QVERIFY(!table.insert(game(10, 999)));
        QVERIFY(table.qualifies(11));
        QCOMPARE(table.insert(game(55)), std::optional<int>(6));
        QCOMPARE(table.entries().size(), std::size_t(10));
        QCOMPARE(table.entries().back().score, std::int64_t{20});
    }

    void aScoreOfZeroNeverEnters() {
        BestScores table;
        QVERIFY(!table.qualifies(0));
        QVERIFY(!table.qualifies(-5));
        QVERIFY(!table.insert(game(0, 1)));
        QVERIFY(table.entries().empty());
        QVERIFY(table.qualifies(1));
    }

    void theTableRoundTripsThroughTheSettingsFileBesideTheHighScoreAndClears() {
        const SettingsStore store;
        QVERIFY(store.write({"4500", "3"}));
        BestScores table = tableOf({4500, 120});
        table.insert({33000, 12, QDate(2025, 1, 31), 18446744073709551615ull});
        QVERIFY(store.writeBestScores(table));

        BestScores loaded = store.readBestScores();
        QCOMPARE(loaded.entries(), table.entries());
        QCOMPARE(store.read().highScore, std::int64_t{4500});
        QFile file(store.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[BestScores]\n1=33000 12 2025-01-31 18446744073709551615\n"),
                 text.constData());
        QVERIFY2(text.contains("[General]\nHiScore=4500\n"), text.constData());

        loaded.clear();
        QVERIFY(store.writeBestScores(loaded));
        table = store.readBestScores();
        QVERIFY(table.entries().empty());
        QCOMPARE(store.read().highScore, std::int64_t{4500});
    }

    void entriesThatAreNotOursAreDroppedAndTheRestRanked_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("words") << QByteArray("lots of points");
        QTest::newRow("three fields") << QByteArray("500 3 2026-12-09");
        QTest::newRow("five fields") << QByteArray("500 3 2026-12-09 7 8");
        QTest::newRow("zero score") << QByteArray("0 3 2026-12-09 7");
        QTest::newRow("negative score") << QByteArray("-500 3 2026-12-09 7");
        QTest::newRow("level zero") << QByteArray("500 0 2026-12-09 7");
        QTest::newRow("no date") << QByteArray("500 3 2026-02-30 7");
        QTest::newRow("negative game") << QByteArray("500 3 2026-12-09 -7");
        QTest::newRow("huge score") << QByteArray("99999999999999999999 3 2026-12-09 7");
        QTest::newRow("a list") << QByteArray("500,3,2026-12-09,7");
    }
    void entriesThatAreNotOursAreDroppedAndTheRestRanked() {
        QFETCH(QByteArray, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scores.ini"));
        writeFile(path, "[BestScores]\n1=20 1 2026-01-01 2\n2=" + value +
                            "\nx=900 1 2026-01-01 9\n"
                            "3=40 2 2026-01-02 4\n");
        QSettings settings(path, QSettings::IniFormat);
        BestScores table;
        table.load(settings);
        QCOMPARE(gameNumbersOf(table), (QList<std::uint64_t>{4, 2}));
    }

    void aLongStoredTableIsCutToTen() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scores.ini"));
        QByteArray text = "[BestScores]\n";
        for (int rank = 1; rank <= 12; ++rank)
            text += QByteArray::number(rank) + "=" + QByteArray::number(rank * 10) + " 1 2026-01-01 1\n";
        writeFile(path, text);
        QSettings settings(path, QSettings::IniFormat);
        BestScores table;
        table.load(settings);
        QCOMPARE(table.entries().size(), std::size_t(10));
        QCOMPARE(table.entries().front().score, std::int64_t{120});
        QCOMPARE(table.entries().back().score, std::int64_t{30});
    }

    void theWindowShowsARowPerGameAndHighlightsTheNewOne() {
        BestScores table = tableOf({300, 100});
        const std::optional<int> rank = table.insert({200, 7, kDay, 4242});
        BestScoresDialog dialog(table, rank);
        const QTableWidget* rows = dialog.table();
        QCOMPARE(rows->rowCount(), 3);
        QCOMPARE(rows->columnCount(), 5);
        QCOMPARE(rows->item(1, 0)->text(), QStringLiteral("2"));
        QCOMPARE(rows->item(1, 2)->text(), QStringLiteral("7"));
        QCOMPARE(rows->item(1, 4)->text(), QStringLiteral("4242"));
        QCOMPARE(rows->item(0, 1)->text(), QLocale().toString(300));
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
