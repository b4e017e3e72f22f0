// SPDX-License-Identifier: MIT
// The best-scores table: ranking and ties, the cap at ten, which scores enter, the round trip
// through the real settings file beside the high score, entries that are not ours, a stored
// section written back whole, two games saving into one file, where the window goes, and the
// window that shows the table with the new game highlighted.
#include <QFile>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "BestScores.h"
#include "BestScoresDialog.h"
#include "PlaceBeside.h"
#include "SettingsStore.h"
#include "TestMain.h"
#include "TestWindow.h"

using namespace quadrelle::app;
using quadrelle::app::testing::writeSettings;

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

// The lines of the file's [BestScores] section.
QList<QByteArray> bestScoresSection(const QByteArray& text) {
    const qsizetype start = text.indexOf("[BestScores]\n");
    if (start < 0) return {};
    QList<QByteArray> lines;
    for (const QByteArray& line : text.mid(start).split('\n').mid(1)) {
        if (line.isEmpty() || line.startsWith('[')) break;
        lines.append(line);
    }
    return lines;
}

QList<qint64> scoresOf(const BestScores& table) {
    QList<qint64> scores;
    for (const BestScoreEntry& entry : table.entries()) scores.append(entry.score);
    return scores;
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
        QTest::newRow("score at the type's end") << QByteArray("9223372036854775807 3 2026-12-09 7");
        QTest::newRow("score above the high score's cap") << QByteArray("1000000000000 3 2026-12-09 7");
        QTest::newRow("level at the type's end") << QByteArray("500 2147483647 2026-12-09 7");
        QTest::newRow("level above the cap") << QByteArray("500 10000 2026-12-09 7");
        QTest::newRow("date to come") << QByteArray("500 3 2099-12-09 7");
        QTest::newRow("date of one-digit month") << QByteArray("500 3 2026-1-09 7");
        QTest::newRow("plus sign on the score") << QByteArray("+85 3 2026-12-09 7");
        QTest::newRow("plus sign on the level") << QByteArray("500 +3 2026-12-09 7");
        QTest::newRow("plus sign on the game") << QByteArray("500 3 2026-12-09 +7");
        QTest::newRow("game above 64 bits") << QByteArray("500 3 2026-12-09 18446744073709551616");
        QTest::newRow("two spaces") << QByteArray("500  3 2026-12-09 7");
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

    void entriesAtTheLimitsAreKept_data() {
        QTest::addColumn<QString>("value");
        const QString tomorrow = QDate::currentDate().addDays(1).toString(Qt::ISODate);
        QTest::newRow("the high score's cap") << QStringLiteral("999999999999 3 2026-12-09 7");
        QTest::newRow("level 9999") << QStringLiteral("500 9999 2026-12-09 7");
        QTest::newRow("tomorrow, in another time zone") << QStringLiteral("500 3 %1 7").arg(tomorrow);
        QTest::newRow("the last game number") << QStringLiteral("500 3 2026-12-09 18446744073709551615");
    }
    void entriesAtTheLimitsAreKept() {
        QFETCH(QString, value);
        writeSettings("[BestScores]\n1=" + value.toLatin1() + "\n");
        QCOMPARE(SettingsStore().readBestScores().entries().size(), std::size_t(1));
    }

    // Start, close, start, close: a stored section of any shape comes back as the ten best
    // under keys 1 to 10, each game once, and stays so.
    void aStoredSectionIsWrittenBackWholeAsTheTenBestOnce_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QList<qint64>>("scores");
        QByteArray thousand;
        // Pairs of equal entries, as a table saved by rank alone doubles at every run.
        for (int rank = 1; rank <= 1000; ++rank) {
            const QByteArray game = QByteArray::number((1002 - rank) / 2);
            thousand += QByteArray::number(rank) + "=" + game + "0 2 2026-01-01 " + game + "\n";
        }
        QTest::newRow("a thousand ranks")
            << thousand << QList<qint64>{5000, 4990, 4980, 4970, 4960, 4950, 4940, 4930, 4920, 4910};
        QTest::newRow("stray keys") << QByteArray("1=500 2 2026-01-01 5\n0=700 2 2026-01-01 7\n"
                                                  "-3=700 2 2026-01-01 7\n11=650 2 2026-01-01 6\n"
                                                  "abc=900 2 2026-01-01 9\n2=500 2 2026-01-01 5\n")
                                    << QList<qint64>{700, 650, 500};
        QTest::newRow("empty keys") << QByteArray("1=400 2 2026-01-01 4\n2=\n3=\n10=\n")
                                    << QList<qint64>{400};
    }
    void aStoredSectionIsWrittenBackWholeAsTheTenBestOnce() {
        QFETCH(QByteArray, section);
        QFETCH(QList<qint64>, scores);
        writeSettings("[BestScores]\n" + section);
        for (int run = 0; run < 2; ++run) testing::TestWindow().window->close();

        const QList<QByteArray> lines = bestScoresSection(testing::settingsFileText());
        QCOMPARE(lines.size(), scores.size());
        QSet<QByteArray> ranks;
        QSet<QByteArray> values;
        for (const QByteArray& line : lines) {
            ranks.insert(line.left(line.indexOf('=')));
            values.insert(line.mid(line.indexOf('=') + 1));
        }
        QCOMPARE(values.size(), lines.size());
        for (int rank = 1; rank <= lines.size(); ++rank) QVERIFY(ranks.contains(QByteArray::number(rank)));
        QCOMPARE(scoresOf(SettingsStore().readBestScores()), scores);
    }

    // Two games, A and B, each with the table it read at its start, saving into one file.
    // "A 500" enters a game of score 500; "A 500>600" replaces A's game of 500 by one of 600,
    // as a game that ends again higher does; "A clear" clears; "A save" saves.
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
        QTest::newRow("a game after the clearing enters")
            << QStringList{"A 500", "A save", "B clear", "B save", "A 200", "A save", "B 300", "B save"}
            << QList<qint64>{300, 200};
        QTest::newRow("the ten best of both")
            << QStringList{"A 10", "A 20", "A 30", "A 40", "A 50", "A 60",   "B 15",
                           "B 25", "B 35", "B 45", "B 55", "B 65", "A save", "B save"}
            << QList<qint64>{65, 60, 55, 50, 45, 40, 35, 30, 25, 20};
    }
    void twoGamesSavingIntoOneFileKeepEachOthersScores() {
        QFETCH(QStringList, steps);
        QFETCH(QList<qint64>, stored);
        writeSettings({});
        const SettingsStore store;
        std::map<QString, BestScores> games{{"A", store.readBestScores()}, {"B", store.readBestScores()}};
        for (const QString& step : steps) {
            const QStringList words = step.split(' ');
            BestScores& table = games[words[0]];
            if (words[1] == "save")
                QVERIFY(store.writeBestScores(table));
            else if (words[1] == "clear")
                table.clear();
            else if (words[1].contains('>')) {
                table.remove(game(words[1].section('>', 0, 0).toLongLong()));
                table.insert(game(words[1].section('>', 1).toLongLong()));
            } else
                table.insert(game(words[1].toLongLong()));
        }
        QCOMPARE(scoresOf(store.readBestScores()), stored);
    }

    void placeBesideLeavesTheWindowInViewOnTheScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("expected");
        // A 1000 by 800 screen, a window of 300 by 200 to place.
        QTest::newRow("room on the right") << QRect(100, 100, 500, 450) << QRect(608, 100, 300, 200);
        QTest::newRow("room on the left only") << QRect(400, 100, 500, 450) << QRect(92, 100, 300, 200);
        QTest::newRow("kept on the screen") << QRect(0, 650, 500, 150) << QRect(508, 600, 300, 200);
        QTest::newRow("below when the sides are full")
            << QRect(250, 0, 500, 450) << QRect(250, 458, 300, 200);
        QTest::newRow("above when the rest is full") << QRect(250, 300, 500, 500) << QRect(250, 92, 300, 200);
        QTest::newRow("over it on the side with more room")
            << QRect(100, 50, 700, 700) << QRect(700, 50, 300, 200);
    }
    void placeBesideLeavesTheWindowInViewOnTheScreen() {
        QFETCH(QRect, frame);
        QFETCH(QRect, expected);
        const QPoint corner = placeBeside(frame, QSize(300, 200), QRect(0, 0, 1000, 800));
        QCOMPARE(QRect(corner, QSize(300, 200)), expected);
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

    // Numbers and dates as the file and the window's counters write them, in any locale.
    void theWindowShowsARowPerGameAndHighlightsTheNewOne_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    }
    void theWindowShowsARowPerGameAndHighlightsTheNewOne() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        BestScores table = tableOf({3000000, 100});
        const std::optional<int> rank = table.insert({200, 7, kDay, 4242});
        BestScoresDialog dialog(table, rank);
        QLocale::setDefault(QLocale::c());
        const QTableWidget* rows = dialog.table();
        QCOMPARE(rows->rowCount(), 3);
        QCOMPARE(rows->columnCount(), 5);
        QCOMPARE(rows->item(1, 0)->text(), QStringLiteral("2"));
        QCOMPARE(rows->item(1, 2)->text(), QStringLiteral("7"));
        QCOMPARE(rows->item(1, 3)->text(), QStringLiteral("2026-12-09"));
        QCOMPARE(rows->item(1, 4)->text(), QStringLiteral("4242"));
        QCOMPARE(rows->item(0, 1)->text(), QStringLiteral("3000000"));
        for (int row = 0; row < rows->rowCount(); ++row)
            QCOMPARE(rows->item(row, 1)->font().bold(), row == 1);
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("BestScoresEmpty"))->isHidden());
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("BestScoresRank"))->text(),
                 QStringLiteral("This game took rank 2."));
    }

    void anEmptyTableSaysSo() {
        BestScoresDialog dialog{BestScores()};
        QCOMPARE(dialog.table()->rowCount(), 0);
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("BestScoresEmpty"))->isHidden());
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("BestScoresRank"))->isHidden());
    }
};

QUADRELLE_TEST_MAIN(BestScoresTest)
#include "BestScoresTest.moc"
