// SPDX-License-Identifier: MIT
// The shortcut table and the windows that list it: every action once, no key twice, none of
// the keys the designed controls use taken from them, window keys acting anywhere and board
// keys only on the board; the help window lists every key under the heading of where it works
// and shows the square pictures, with and without colour symbols; the About box names the
// game, version, licence and the full game number.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <set>

#include "dialogs/AboutBox.h"
#include "dialogs/HelpWindow.h"
#include "window/Shortcuts.h"
#include "TestMain.h"

using namespace quadrelle::app;

namespace {

QStringList labelTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) texts.append(label->text());
    return texts;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void everyActionIsInTheTableOnceAndNoKeyTwice() {
        std::set<ShortcutAction> actions;
        QList<QKeySequence> keys;
        for (const Shortcut& shortcut : shortcuts()) {
            QVERIFY(actions.insert(shortcut.action).second);
            QCOMPARE(&shortcutFor(shortcut.action), &shortcut);
            QVERIFY(!descriptionOf(shortcut).isEmpty());
            for (const QKeySequence& key : keySequencesOf(shortcut)) {
                QVERIFY2(!key.isEmpty() && key[0].key() != Qt::Key_unknown, shortcut.objectName);
                QVERIFY2(!keys.contains(key), qPrintable(key.toString()));
                keys.append(key);
            }
        }
        QCOMPARE(actions.size(), std::size_t(ShortcutAction::ContextMenu) + 1);
    }

    // Space and Enter press the focused "New Game" button and the arrows move the start-level
    // spinner; a window-wide shortcut on them would take them away.
    void windowKeysLeaveTheDesignedControlsTheirKeys() {
        const QList<QKeySequence> designed{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up,
                                           Qt::Key_Down,  Qt::Key_Left,   Qt::Key_Right, Qt::Key_Tab};
        for (const Shortcut& shortcut : shortcuts()) {
            if (shortcut.scope != ShortcutScope::Window) continue;
            for (const QKeySequence& key : keySequencesOf(shortcut))
                QVERIFY2(!designed.contains(key), shortcut.objectName);
        }
    }

    void windowKeysActAnywhereAndBoardKeysOnlyOnTheBoard() {
        QWidget window;
        auto* button = new QPushButton(QStringLiteral("New Game"), &window);
        auto* board = new QWidget(&window);
        board->setFocusPolicy(Qt::StrongFocus);
        QAction* newGame = createAction(shortcutFor(ShortcutAction::NewGame), &window);
        window.addAction(newGame);
        QAction* search = createAction(shortcutFor(ShortcutAction::ColourSearch), board);
        board->addAction(search);
        QSignalSpy newGames(newGame, &QAction::triggered);
        QSignalSpy searches(search, &QAction::triggered);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        button->setFocus();
        QTest::keyClick(button, Qt::Key_F);
        QTest::keyClick(button, Qt::Key_F2);
        QCOMPARE(searches.size(), 0);
        QCOMPARE(newGames.size(), 1);
        board->setFocus();
        QTest::keyClick(board, Qt::Key_F);
        QCOMPARE(searches.size(), 1);
    }

    // Every entry, those reached by the menu only too; the board's keys under one heading.
    void theHelpListsEveryKeyOfTheTable() {
        HelpWindow help;
        const QStringList texts = labelTexts(help);
        for (const Shortcut& shortcut : shortcuts()) {
            QVERIFY2(texts.contains(descriptionOf(shortcut)), shortcut.objectName);
            if (!shortcut.keys.empty()) QVERIFY2(texts.contains(keysTextOf(shortcut)), shortcut.objectName);
        }
        QVERIFY(texts.contains(QStringLiteral("Menu, Shift+F10")));
        QCOMPARE(texts.filter(QStringLiteral("While the board has the focus")).size(), 1);
    }

    // The labels stand in the order the help shows them: a heading, then the keys under it.
    void theHelpListsTheWindowKeysThenTheBoardKeysEachUnderOneHeading() {
        HelpWindow help;
        const QStringList texts = labelTexts(help);
        const QString boardHeading =
            "While the board has the focus (Tab reaches it after the other controls):";
        const qsizetype window = texts.indexOf("Anywhere in the window:");
        const qsizetype board = texts.indexOf(boardHeading);
        QVERIFY(window > 0 && board > window && texts.count(boardHeading) == 1);
        for (const Shortcut& shortcut : shortcuts()) {
            if (shortcut.keys.empty()) continue;
            const qsizetype at = texts.indexOf(descriptionOf(shortcut));
            QVERIFY2(shortcut.scope == ShortcutScope::Window ? window < at && at < board : board < at,
                     shortcut.objectName);
        }
    }

    // The README's "How to play" lists the keys in tables of "| keys | action |" rows.
    void theReadmeListsEveryKeyAsTheHelpDoes() {
        QFile readme(QStringLiteral(QUADRELLE_README));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(readme.readAll());
        for (const Shortcut& shortcut : shortcuts()) {
            // The entries without keys are named in quotes beside the tables.
            const QString row =
                shortcut.keys.empty()
                    ? QStringLiteral("\"%1\"").arg(descriptionOf(shortcut))
                    : QStringLiteral("| %1 | %2 |").arg(keysTextOf(shortcut), descriptionOf(shortcut));
            QVERIFY2(text.contains(row), qPrintable(row));
        }
    }

    void theHelpShowsTheSquarePicturesAtTheirSize() {
        HelpWindow help;
        const QList<QLabel*> pictures = help.findChildren<QLabel*>(QStringLiteral("picture"));
        QVERIFY(pictures.size() >= 15);
        for (const QLabel* picture : pictures) {
            QVERIFY(!picture->pixmap().isNull());
            QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(60, 60));
        }
        // The colour symbols are shown as the squares carry them.
        const QImage symbol = TemplatePictures(true)[quadrelle::Picture::Sq1234].toImage();
        QVERIFY(std::any_of(pictures.begin(), pictures.end(),
                            [&](const QLabel* picture) { return picture->pixmap().toImage() == symbol; }));
    }

    void theHelpIsOneWindowBesideTheGame() {
        QWidget game;
        HelpWindow* help = showHelpWindow(&game);
        QVERIFY(!help->isModal());
        QVERIFY(help->isVisible());
        help->close();
        QCOMPARE(showHelpWindow(&game), help);
        QVERIFY(help->isVisible());
    }

    void aboutNamesTheGameVersionLicenceAndTheWholeGameNumber() {
        QWidget game;
        QMessageBox* box = showAbout(&game, 18446744073709551615ull);
        QCOMPARE(game.findChild<QMessageBox*>(QStringLiteral("AboutBox")), box);
        QVERIFY(box->isVisible());
        const QString text = box->text();
        QVERIFY(text.contains(QStringLiteral("Quadrelle!")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Version \\d+\\.\\d+\\.\\d+"))));
        QVERIFY(text.contains(QStringLiteral("Game number 18446744073709551615")));
        QVERIFY(text.contains(QStringLiteral("MIT")));
    }
};

QUADRELLE_TEST_MAIN(HelpTest)
#include "HelpTest.moc"
