// SPDX-License-Identifier: MIT
// What the window offers beyond its design, through real key presses and the real menu:
// keyboard play on the board, hints, colour symbols, the sound switch, game numbers and the
// best scores. The designed controls and the mouse play are covered by the other window tests.
#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "BestScoresDialog.h"
#include "BoardOverlay.h"
#include "HelpWindow.h"
#include "TestMain.h"
#include "TestWindow.h"

using namespace quadrelle;
using namespace quadrelle::app;
using namespace quadrelle::app::testing;

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

        setPosition(w, quietBoard());
        QTest::keyClick(w.newGameButton(), Qt::Key_H);
        QVERIFY(boardOf(w)->isShowingNoHint());
        QTRY_VERIFY_WITH_TIMEOUT(!boardOf(w)->isShowingNoHint(), 4000);
    }

    void colourSymbolsAndSoundAreSwitchedByKeysAndRemembered() {
        {
            TestWindow w;
            showActive(w);
            setPosition(w, kStepReactsAt2);
            QTest::keyClick(w.newGameButton(), Qt::Key_C);
            QTest::keyClick(w.newGameButton(), Qt::Key_M);
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

    void theSameGameNumberAndClicksGiveTheSameBoards() {
        std::array<Board, 2> ends;
        for (Board& end : ends) {
            TestWindow w;
            showActive(w);
            QTimer::singleShot(0, [] {
                auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                QVERIFY(prompt);
                prompt->setTextValue(QStringLiteral("424242"));
                prompt->accept();
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

    void aGameOverEntersTheBestScoresAtOnceAndClearingTheHiscoreClearsThem() {
        TestWindow w;
        showActive(w);
        // The last arrow steps to a plain blue: the scan a second later ends the game.
        setPosition(w, quietBoardWith({{5, Kind::K3up}}));
        w.resumeWith([](Position& position) { position.counters.score = 500; });
        QTest::mouseClick(w.square(5), Qt::LeftButton, {}, QPoint(30, 10));
        QTRY_VERIFY_WITH_TIMEOUT(w.game().counters().gameOver, 5000);
        QVERIFY(w->findChild<BestScoresDialog*>());
        QVERIFY2(settingsFileText().contains("[BestScores]\n1=501 1 "), settingsFileText().constData());

        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(w.label("LabelClr"), Qt::LeftButton);
        w->close();
        QVERIFY2(!settingsFileText().contains("501"), settingsFileText().constData());
    }
};

QUADRELLE_TEST_MAIN(FeaturesTest)
#include "FeaturesTest.moc"
