// SPDX-License-Identifier: MIT
// The best-scores table: ranking and ties, the cap at ten, which scores enter, the round trip
// through the real settings file beside the high score, entries that are not ours, a stored
// section written back whole, two games saving into one file, and the window that shows the
// table with the new game highlighted.
#include <QFile>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "BestScores.h"
#include "BestScoresDialog.h"
#include "SettingsStore.h"
#include "TestMain.h"
#include "TestWindow.h"

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

QList<qint64> storedScores() {
    QList<qint64> scores;
    const BestScores stored = SettingsStore().readBestScores();
    for (const BestScoreEntry& entry : stored.entries()) scores.append(entry.score);
    return scores;
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
        QTest::newRow("score above the high score's cap") << QByteArray("9223372036854775807 3 2026-12-09 7");
        QTest::newRow("level beyond the cap") << QByteArray("500 2147483647 2026-12-09 7");
        QTest::newRow("date to come") << QByteArray("500 3 2099-12-09 7");
        QTest::newRow("plus sign") << QByteArray("+85 3 2026-12-09 7");
        QTest::newRow("plus sign on the game") << QByteArray("500 3 2026-12-09 +7");
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

    // Start and close twice: a section of any shape comes back as the best ten, keys 1 to N.
    void aStoredSectionIsWrittenBackAsTheBestTenOnce_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QList<qint64>>("scores");
        QByteArray pairs; // every entry twice, as saving by rank alone left them
        for (int rank = 1; rank <= 1000; ++rank)
            pairs +=
                QByteArray::number(rank) + "=" + QByteArray::number((1002 - rank) / 2) + "0 2 2026-01-01 1\n";
        QTest::newRow("a thousand ranks")
            << pairs << QList<qint64>{5000, 4990, 4980, 4970, 4960, 4950, 4940, 4930, 4920, 4910};
        QTest::newRow("stray keys")
            << QByteArray("1=500 2 2026-01-01 1\n0=700 2 2026-01-01 1\n-3=700 2 2026-01-01 1\n"
                          "11=650 2 2026-01-01 1\nabc=900 2 2026-01-01 1\n2=\n")
            << QList<qint64>{700, 650, 500};
    }
    void aStoredSectionIsWrittenBackAsTheBestTenOnce() {
        QFETCH(QByteArray, section);
        QFETCH(QList<qint64>, scores);
        testing::writeSettings("[BestScores]\n" + section);
        for (int run = 0; run < 2; ++run) testing::TestWindow().window->close();
        QStringList expected, stored = testing::storedBestScoreLines();
        for (qsizetype i = 0; i < scores.size(); ++i)
            expected.append(QStringLiteral("%1=%2 2 2026-01-01 1").arg(i + 1).arg(scores[i]));
        expected.sort();
        stored.sort();
        QCOMPARE(stored, expected);
    }

    // Two games, each with the table it read at its start, saving into one file: "A 500" enters
    // a game of 500, "A 500>600" replaces it by one of 600 (the game ended again, higher),
    // "A clear" clears and "A save" saves.
    void twoGamesSavingIntoOneFileKeepEachOthersScores_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<qint64>>("stored");
        QTest::newRow("both enter") << QStringList{"A 500", "B 300", "A save", "B save"}
                                    << QList<qint64>{500, 300};
        QTest::newRow("a replaced game stays out")
            << QStringList{"A 500", "A save", "B 300", "B save", "A 500>600", "A save", "B save"}
            << QList<qint64>{600, 300};
        QTest::newRow("a cleared table stays cleared")
            << QStringList{"A 500", "A save", "B 300", "B save", "A clear", "A save", "B save"}
            << QList<qint64>{};
    }
    void twoGamesSavingIntoOneFileKeepEachOthersScores() {
        QFETCH(QStringList, steps);
        QFETCH(QList<qint64>, stored);
        testing::writeSettings({});
        const SettingsStore store;
        std::map<QString, BestScores> games{{"A", store.readBestScores()}, {"B", store.readBestScores()}};
        for (const QString& step : steps) {
            BestScores& table = games[step.left(1)];
            const QString what = step.mid(2);
            if (what == "save")
                QVERIFY(store.writeBestScores(table));
            else if (what == "clear")
                table.clear();
            else if (what.contains('>'))
                table.remove(game(what.section('>', 0, 0).toLongLong()));
            if (what.front().isDigit()) table.insert(game(what.section('>', -1).toLongLong()));
        }
        QCOMPARE(storedScores(), stored);
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
