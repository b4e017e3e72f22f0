// SPDX-License-Identifier: MIT
// What the window offers beyond its design, through real key presses and the real menu:
// keyboard play on the board, hints, colour symbols, the sound switch, game numbers, the
// best scores and clearing them. The designed controls and the mouse play are covered by the
// other window tests.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/inotify.h>
#include <unistd.h>

#include "dialogs/BestScoresDialog.h"
#include "window/BoardOverlay.h"
#include "window/ControlLayout.h"
#include "dialogs/GameNumberPrompt.h"
#include "dialogs/HelpWindow.h"
#include "TestMain.h"
#include "TestWindow.h"

using namespace quadrelle;
using namespace quadrelle::app;
using namespace quadrelle::app::testing;

using Kinds = std::array<Kind, kSquareCount>;
Q_DECLARE_METATYPE(Kinds)

namespace {

void showActive(TestWindow& w) {
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
}

BoardOverlay* boardOf(TestWindow& w) {
    return w.control<BoardOverlay>("Board");
}

// Tab from "New Game" past the spinner onto the board, then the cursor to the square.
void focusBoardAt(TestWindow& w, int square) {
    QTest::keyClick(w.newGameButton(), Qt::Key_Tab);
    QTest::keyClick(w.spinner(), Qt::Key_Tab);
    for (int i = 0; i < rowOf(square); ++i) QTest::keyClick(boardOf(w), Qt::Key_Down);
    for (int i = 0; i < columnOf(square); ++i) QTest::keyClick(boardOf(w), Qt::Key_Right);
}

std::array<Kind, kSquareCount> quietBoardWith(std::initializer_list<std::pair<int, Kind>> changes) {
    auto kinds = quietBoard();
    for (const auto& [square, kind] : changes) kinds[static_cast<std::size_t>(square)] = kind;
    return kinds;
}

// Row 0 of the quiet board reads 0 2 4 1 3 0: two yellows before a green arrow make a run.
const auto kStepReactsAt2 = quietBoardWith({{0, Kind::K2}, {1, Kind::K2}, {2, Kind::K1up}});

// Presses a button of the message box that opens next; NoButton presses Enter, for its default.
void answerNextBox(const QString& name, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [name, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box && box->objectName() == name);
        if (answer == QMessageBox::NoButton) return QTest::keyClick(box, Qt::Key_Return);
        box->button(answer)->click();
    });
}

// Counts the times the settings file is put in place, which each save does once.
class SaveCounter {
public:
    SaveCounter() : inotify_(::inotify_init1(IN_NONBLOCK)) {
        ::inotify_add_watch(inotify_, QFile::encodeName(file_.absolutePath()).constData(),
                            IN_CREATE | IN_MOVED_TO);
    }
    ~SaveCounter() { ::close(inotify_); }
    int count() {
        alignas(inotify_event) char events[4096];
        for (ssize_t size; (size = ::read(inotify_, events, sizeof events)) > 0;)
            for (ssize_t at = 0; at < size;
                 at += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(events + at)->len)
                count_ += QFile::encodeName(file_.fileName()) ==
                          reinterpret_cast<inotify_event*>(events + at)->name;
        return count_;
    }

private:
    const QFileInfo file_{QtSettingsStorage().filePath()};
    int inotify_;
    int count_ = 0;
};

} // namespace

class FeaturesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { writeSettings({}); }

    void tabReachesTheBoardAfterTheDesignedControlsAndItsDescriptionFollowsTheCursor() {
        TestWindow w;
        showActive(w);
        QCOMPARE(QApplication::focusWidget(), w.newGameButton());
        QTest::keyClick(w.newGameButton(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.spinner());
        QTest::keyClick(w.spinner(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), boardOf(w));
        QCOMPARE(boardOf(w)->accessibleName(), QStringLiteral("Board"));
        QCOMPARE(boardOf(w)->accessibleDescription(), w.square(0)->accessibleName() + ", row 1, column 1");
        QTest::keyClick(boardOf(w), Qt::Key_Right);
        QTest::keyClick(boardOf(w), Qt::Key_Down);
        QCOMPARE(boardOf(w)->cursor(), 7);
        QCOMPARE(boardOf(w)->accessibleName(), QStringLiteral("Board"));
        QCOMPARE(boardOf(w)->accessibleDescription(), w.square(7)->accessibleName() + ", row 2, column 2");
    }

    void keysPlayTheSquareUnderTheCursor_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("kindAfter");
        QTest::addColumn<int>("scoreAfter");
        const auto row = [](const char* name, Kind kind, Qt::Key key, Kind after, int score) {
            QTest::newRow(name) << int(kind) << int(key) << int(after) << score;
        };
        row("Space steps along the arrow", Kind::K1up, Qt::Key_Space, Kind::K2up, 1);
        row("Return steps along the arrow", Kind::K3down, Qt::Key_Return, Kind::K2down, 1);
        row("Page Up steps a two-way square up", Kind::K2updown, Qt::Key_PageUp, Kind::K3up, 1);
        row("Page Down steps a two-way square down", Kind::K2updown, Qt::Key_PageDown, Kind::K1down, 1);
        row("Page Down leaves an up arrow alone", Kind::K2up, Qt::Key_PageDown, Kind::K2up, 0);
        row("F searches a colour that reacts", Kind::K0up, Qt::Key_F, Kind::Removed, 10);
    }

    void keysPlayTheSquareUnderTheCursor() {
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(int, kindAfter);
        QFETCH(int, scoreAfter);
        TestWindow w;
        showActive(w);
        auto kinds = quietBoardWith({{0, Kind::K2}, {1, Kind::K2}, {2, static_cast<Kind>(kind)}});
        setPosition(w, kinds);
        w.resumeWith([](Position& position) { position.counters.freshBoard = false; });
        focusBoardAt(w, 2);
        QTest::keyClick(boardOf(w), static_cast<Qt::Key>(key));
        QCOMPARE(int(w.game().board().kind(2)), kindAfter);
        QCOMPARE(w.game().counters().score, scoreAfter);
    }

    void hintFramesASquareThatReactsOrSaysThatNoneDoes() {
        TestWindow w;
        showActive(w);
        setPosition(w, kStepReactsAt2);
        const Position before = w.game().position();
        QTest::keyClick(w.newGameButton(), Qt::Key_H);
        QCOMPARE(boardOf(w)->hintedSquare(), std::optional<int>(2));
        QVERIFY(w.game().position().board == before.board);
        QVERIFY(w.game().atRest());
        QTRY_COMPARE_WITH_TIMEOUT(boardOf(w)->hint(), std::nullopt, 4000);

        setPosition(w, quietBoard());
        QTest::keyClick(w.newGameButton(), Qt::Key_H);
        QCOMPARE(boardOf(w)->hint(), std::nullopt);
        auto* notice = w.control<QLabel>("Notice");
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("No move reacts now"));
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 4000);
    }

    void hintNamesItsMoveAndShowsOverTheCursor_data() {
        QTest::addColumn<Kinds>("kinds");
        QTest::addColumn<int>("erasers");
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("move");
        QTest::addColumn<QString>("said");
        using enum Kind;
        QTest::newRow("step up") << kStepReactsAt2 << 0 << 2 << int(HintMove::StepUp)
                                 << "Hint: step up at row 1, column 3";
        QTest::newRow("two-way square down") << quietBoardWith({{0, K1}, {1, K1}, {2, K2updown}}) << 0 << 2
                                             << int(HintMove::StepDown) << "Hint: step down at row 1, column 3";
        QTest::newRow("colour search") << quietBoardWith({{0, K3}, {1, K3}, {2, K0up}}) << 0 << 2
                                       << int(HintMove::Search) << "Hint: colour search at row 1, column 3";
        // Column 0 reads 3 3 4 3: erasing the 4 lets the 3s above fall onto the third.
        QTest::newRow("eraser") << quietBoardWith({{0, K3}, {6, K3}, {12, K4}}) << 1 << 12
                                << int(HintMove::Erase) << "Hint: spend an eraser at row 3, column 1";
    }

    void hintNamesItsMoveAndShowsOverTheCursor() {
        QFETCH(Kinds, kinds);
        QFETCH(int, erasers);
        QFETCH(int, square);
        QFETCH(int, move);
        QFETCH(QString, said);
        TestWindow w;
        showActive(w);
        setPosition(w, kinds);
        w.resumeWith([&](Position& position) { position.counters.removes = erasers; });
        focusBoardAt(w, square);
        QTest::keyClick(boardOf(w), Qt::Key_H);
        QCOMPARE(boardOf(w)->hint(), std::optional(Hint{square, HintMove(move)}));
        QCOMPARE(w.control<QLabel>("Notice")->text(), said);

        // On the cursor's square the hint's white frame lies just inside the cursor's yellow one.
        const QImage shot = w->grab().toImage();
        const QRect cell = squareRect(square);
        const QPoint left(cell.left(), cell.center().y());
        QCOMPARE(shot.pixelColor(left + QPoint(1, 0)), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(left - QPoint(2, 0)), QColor(255, 224, 0));
    }

    void colourSymbolsAndSoundAreSwitchedByKeysAndRemembered() {
        {
            TestWindow w;
            showActive(w);
            setPosition(w, kStepReactsAt2);
            QTest::keyClick(w.newGameButton(), Qt::Key_C);
            QTest::keyClick(w.newGameButton(), Qt::Key_M);
            QCOMPARE(w.sound.asked.back(), std::string("release"));
            w.sound.played.clear();
            const TemplatePictures symbols(true);
            const QImage drawn = w.square(2)->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(drawn, symbols[Picture::Sq1up].toImage().convertToFormat(QImage::Format_RGB32));
            focusBoardAt(w, 2);
            QTest::keyClick(boardOf(w), Qt::Key_F);
            QCOMPARE(w.game().board().kind(2), Kind::Removed);
            QVERIFY(w.sound.played.empty());
        }
        QVERIFY(settingsFileText().contains("[Options]\nColourSymbols=true\nSound=false\n"));
        TestWindow again;
        QVERIFY(again->findChild<QAction*>("actionColourSymbols")->isChecked());
        QVERIFY(!again->findChild<QAction*>("actionSound")->isChecked());
        // Started with the sound off, the game reads its clips but reaches no sound device.
        again->prepareSound();
        QCOMPARE(again.sound.asked, (std::vector<std::string>{"release", "prepare"}));
    }

    void theMenuKeyOpensAMenuWithTheGameNumberAndEveryWindowShortcut() {
        TestWindow w;
        showActive(w);
        QTest::keyClick(w.newGameButton(), Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = w->findChild<QMenu*>("ContextMenu");
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->actions().first()->text(),
                 QStringLiteral("Game number %1").arg(w.game().gameNumber().value));
        for (const Shortcut& shortcut : shortcuts()) {
            if (shortcut.scope != ShortcutScope::Window || shortcut.action == ShortcutAction::ContextMenu)
                continue;
            auto* action = w->findChild<QAction*>(QString::fromLatin1(shortcut.objectName));
            QVERIFY2(action && menu->actions().contains(action), shortcut.objectName);
            QCOMPARE(action->shortcuts(), keySequencesOf(shortcut));
        }
        const QMenu* otherKeys = menu->findChild<QMenu*>("OtherKeysMenu");
        QVERIFY(otherKeys);
        QCOMPARE(otherKeys->actions().size(), 6);
        menu->close();
    }

    // The entries open their windows from the menu itself, and F1 and B without it.
    void menuEntriesAndKeysOpenHelpBestScoresAndAbout() {
        TestWindow w;
        showActive(w);
        const auto fromMenu = [&](const char* entry) {
            w->findChild<QAction*>(QString::fromLatin1(entry))->trigger();
        };
        QTest::keyClick(w.newGameButton(), Qt::Key_F10, Qt::ShiftModifier);
        fromMenu("actionAbout");
        auto* about = w->findChild<QMessageBox*>("AboutBox");
        QVERIFY(about && about->text().contains(QString::number(w.game().gameNumber().value)));
        about->close();
        QTest::keyClick(w.newGameButton(), Qt::Key_F1);
        QVERIFY(w->findChild<HelpWindow*>() && w->findChild<HelpWindow*>()->isVisible());
        QTest::keyClick(w.newGameButton(), Qt::Key_B);
        QVERIFY(w->findChild<BestScoresDialog*>());
    }

    // The prompt reads a number as --game does, says what is wrong, and stays open until it is one.
    void gameNumberPromptTakesOnlyAGameNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<quint64>("number");
        QTest::newRow("digits") << "424242" << true << quint64{424242};
        QTest::newRow("spaces around") << " 42 " << true << quint64{42};
        QTest::newRow("largest") << "18446744073709551615" << true << quint64{18446744073709551615u};
        for (const char* wrong : {"", "0x10", "+5", "1e5", "-1", "18446744073709551616", "99999999999999999999999"})
            QTest::newRow(wrong) << wrong << false << quint64{0};
    }

    void gameNumberPromptTakesOnlyAGameNumber() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(quint64, number);
        GameNumberPrompt prompt(GameNumber{7}, nullptr);
        prompt.show();
        auto* entry = prompt.findChild<QLineEdit*>("GameNumberEntry");
        entry->clear();
        QTest::keyClicks(entry, typed);
        QCOMPARE(entry->text(), typed);
        QCOMPARE(prompt.findChild<QLabel*>("GameNumberProblem")->text().isEmpty(), accepted);
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(prompt.result() == QDialog::Accepted, accepted);
        QCOMPARE(prompt.isVisible(), !accepted);
        QCOMPARE(prompt.number(), accepted ? std::optional(GameNumber{number}) : std::nullopt);
    }

    void theSameGameNumberAndClicksGiveTheSameBoards() {
        std::array<Board, 2> ends;
        for (Board& end : ends) {
            TestWindow w;
            showActive(w);
            QTimer::singleShot(0, [] {
                auto* prompt = qobject_cast<GameNumberPrompt*>(QApplication::activeModalWidget());
                QVERIFY(prompt);
                auto* entry = prompt->findChild<QLineEdit*>("GameNumberEntry");
                entry->clear();
                QTest::keyClicks(entry, QStringLiteral("424242"));
                QTest::keyClick(entry, Qt::Key_Return);
            });
            QTest::keyClick(w.newGameButton(), Qt::Key_G, Qt::ControlModifier);
            QCOMPARE(w.game().gameNumber().value, std::uint64_t{424242});
            QTRY_VERIFY_WITH_TIMEOUT(w.game().atRest(), 20000);
            for (int square : {0, 14, 35}) QTest::mouseClick(w.square(square), Qt::RightButton);
            QTRY_VERIFY_WITH_TIMEOUT(w.game().atRest(), 20000);
            end = w.game().board();
        }
        QVERIFY(ends[0] == ends[1]);
    }

    // One save holds the raised high score and the entry. The table opens beside the game where
    // the screen has room, as ctest runs this once more on a screen wide enough for both.
    void aGameOverEntersTheBestScoresAtOnceAndClearingTheHiscoreKeepsThem() {
        writeSettings("[General]\nHiScore=0\n");
        TestWindow w;
        w->move(0, 0);
        showActive(w);
        SaveCounter saves;
        // The last arrow steps to a plain blue: the scan a second later ends the game.
        setPosition(w, quietBoardWith({{5, Kind::K3up}}));
        w.resumeWith([](Position& position) { position.counters.score = 500; });
        QTest::mouseClick(w.square(5), Qt::LeftButton, {}, QPoint(30, 10));
        QTRY_VERIFY_WITH_TIMEOUT(w.game().counters().gameOver, 5000);
        auto* table = w->findChild<BestScoresDialog*>();
        QVERIFY(table && QTest::qWaitForWindowExposed(table));
        QCOMPARE(table->findChild<QLabel*>("BestScoresRank")->text(),
                 QStringLiteral("This game took rank 1."));
        if (w->screen()->availableGeometry().width() >
            w->frameGeometry().width() + table->frameGeometry().width())
            QVERIFY(!table->frameGeometry().intersects(w->frameGeometry()));
        QTest::qWait(50);
        QCOMPARE(saves.count(), 1);
        const QStringList saved = storedBestScoreLines();
        QVERIFY2(saved.value(0).startsWith("1=501 1 ") && settingsFileText().contains("HiScore=501\n"),
                 settingsFileText().constData());

        answerNextBox("ClearHiscoreBox", QMessageBox::Yes);
        QTest::mouseClick(w.label("LabelClr"), Qt::LeftButton);
        w->close();
        QCOMPARE(storedBestScoreLines(), saved);
        QVERIFY2(settingsFileText().contains("HiScore=0\n"), settingsFileText().constData());
    }

    // From the menu, so from the keyboard too: the designed question for the high score, and
    // one for the best scores, No by default, whose answer is saved at once.
    void theMenuClearsTheHighScoreOrTheBestScoresAfterTheirQuestion_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("answer");
        QTest::addColumn<qint64>("highScore");
        QTest::addColumn<int>("bestScores");
        QTest::newRow("high score, Yes")
            << QStringLiteral("actionClearHighScore") << QStringLiteral("ClearHiscoreBox")
            << int(QMessageBox::Yes) << qint64(0) << 2;
        QTest::newRow("best scores, Yes")
            << QStringLiteral("actionClearBestScores") << QStringLiteral("ClearBestScoresBox")
            << int(QMessageBox::Yes) << qint64(900) << 0;
        QTest::newRow("best scores, Enter")
            << QStringLiteral("actionClearBestScores") << QStringLiteral("ClearBestScoresBox")
            << int(QMessageBox::NoButton) << qint64(900) << 2;
    }
    void theMenuClearsTheHighScoreOrTheBestScoresAfterTheirQuestion() {
        QFETCH(QString, entry);
        QFETCH(QString, box);
        QFETCH(int, answer);
        QFETCH(qint64, highScore);
        QFETCH(int, bestScores);
        writeSettings("[General]\nHiScore=900\n[BestScores]\n1=900 2 2026-01-01 9\n2=40 1 2026-01-01 4\n");
        TestWindow w;
        showActive(w);
        answerNextBox(box, QMessageBox::StandardButton(answer));
        w->findChild<QAction*>(entry)->trigger();
        QCOMPARE(w.game().counters().highScore, highScore);
        QCOMPARE(storedBestScoreLines().size(), bestScores);
    }
};

QUADRELLE_TEST_MAIN(FeaturesTest)
#include "FeaturesTest.moc"
