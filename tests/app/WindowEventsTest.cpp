// SPDX-License-Identifier: MIT
// The window's events reaching the engine and the engine's state reaching the window: saved
// settings at load and close, the start-level spinner, clearing the high score through the
// real message box, Qt buttons, modifiers and heights mapped to the game's presses and releases,
// a whole move on the real timers, and the high score saved the moment a game over raises it.
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include "window/MouseArguments.h"
#include "TestMain.h"
#include "TestWindow.h"

using namespace quadrelle;
using namespace quadrelle::app;
using namespace quadrelle::app::testing;

namespace {

QPoint centreOfSpinnerPart(QScrollBar* spinner, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(spinner);
    option.orientation = spinner->orientation();
    option.minimum = spinner->minimum();
    option.maximum = spinner->maximum();
    option.sliderPosition = option.sliderValue = spinner->value();
    option.singleStep = spinner->singleStep();
    option.pageStep = spinner->pageStep();
    option.subControls = QStyle::SC_All;
    return spinner->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, spinner).center();
}

// Answers the next modal message box with the given button, after checking how it asks.
void answerClearHiscoreBoxWith(QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Do you really want to clear the hiscore?"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Clear Hiscore"));
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        if (answer == QMessageBox::Escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(answer)->click();
    });
}

} // namespace

class WindowEventsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { writeSettings({}); }

    void savedStartLevelSetsTheSpinnerAndBothLevels() {
        writeSettings("[General]\nHiScore=250\nStartLevel=4\n");
        TestWindow w;
        QCOMPARE(w.spinner()->value(), 6);
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("4"));
        QCOMPARE(w.text("LabelLevel"), QStringLiteral("4"));
        QCOMPARE(w.text("LabelHiScore"), QStringLiteral("250"));
    }

    void badStoredSettingsFallBackToTheDefaults_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("words") << QByteArray("[General]\nHiScore=lots\nStartLevel=easy\n");
        QTest::newRow("out of range") << QByteArray("[General]\nHiScore=-5\nStartLevel=12\n");
        QTest::newRow("zero level") << QByteArray("[General]\nHiScore=\nStartLevel=0\n");
        QTest::newRow("fractions") << QByteArray("[General]\nHiScore=1.5\nStartLevel=3.0\n");
        QTest::newRow("lists") << QByteArray("[General]\nHiScore=1, 2\nStartLevel=3, 4\n");
        QTest::newRow("garbage file") << QByteArray("\x01\x02[[[=\n\xff\xfe");
    }

    void badStoredSettingsFallBackToTheDefaults() {
        QFETCH(QByteArray, file);
        writeSettings(file);
        TestWindow w;
        QCOMPARE(w.text("LabelHiScore"), QStringLiteral("0"));
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("1"));
        QCOMPARE(w.spinner()->value(), 9);
        w->close();
        QVERIFY(settingsFileText().contains("HiScore=0"));
        QVERIFY(settingsFileText().contains("StartLevel=1"));
    }

    void movingTheSpinnerDuringAGameChangesOnlyTheStartLevel() {
        TestWindow w;
        w->show();
        QTest::mouseClick(w.spinner(), Qt::LeftButton, {},
                          centreOfSpinnerPart(w.spinner(), QStyle::SC_ScrollBarSubLine));
        QCOMPARE(w.spinner()->value(), 8);
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("2"));
        QCOMPARE(w.text("LabelLevel"), QStringLiteral("1"));
        QTest::mouseClick(w.spinner(), Qt::LeftButton, {},
                          centreOfSpinnerPart(w.spinner(), QStyle::SC_ScrollBarSubLine));
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("3"));
        QTest::mouseClick(w.spinner(), Qt::LeftButton, {},
                          centreOfSpinnerPart(w.spinner(), QStyle::SC_ScrollBarAddLine));
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("2"));
        QCOMPARE(w.text("LabelLevel"), QStringLiteral("1"));
        QTest::mouseClick(w.newGameButton(), Qt::LeftButton);
        QCOMPARE(w.text("LabelLevel"), QStringLiteral("2"));
    }

    void theSpinnerStopsAtItsEnds() {
        TestWindow w;
        w.spinner()->setValue(1);
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("9"));
        w.spinner()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(w.spinner()->value(), 1);
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("9"));
    }

    void clearingTheHighScoreAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("highScore");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << "0";
        QTest::newRow("No") << int(QMessageBox::No) << "90";
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << "90";
        QTest::newRow("Escape") << int(QMessageBox::Escape) << "90";
    }

    void clearingTheHighScoreAsksFirst() {
        QFETCH(int, answer);
        QFETCH(QString, highScore);
        writeSettings("[General]\nHiScore=90\n");
        TestWindow w;
        w->show();
        QCOMPARE(w.text("LabelHiScore"), QStringLiteral("90"));
        answerClearHiscoreBoxWith(QMessageBox::StandardButton(answer));
        QTest::mouseClick(w.label("LabelClr"), Qt::LeftButton);
        QCOMPARE(w.text("LabelHiScore"), highScore);
        // Cleared only in the window until it closes.
        QVERIFY(settingsFileText().contains("HiScore=90"));
        w->close();
        QVERIFY(settingsFileText().contains("HiScore=" + highScore.toLatin1()));
    }

    void buttonsAndKeysMapToPlainAndSpecialPresses_data() {
        QTest::addColumn<int>("qtButton");
        QTest::addColumn<int>("qtModifiers");
        QTest::addColumn<int>("expected"); // -1: ignored
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
                  alt = Qt::AltModifier;
        const int plain = int(Button::Plain), special = int(Button::Special);
        QTest::newRow("left") << int(Qt::LeftButton) << none << plain;
        QTest::newRow("right") << int(Qt::RightButton) << none << special;
        QTest::newRow("middle") << int(Qt::MiddleButton) << none << plain;
        QTest::newRow("shift+left") << int(Qt::LeftButton) << shift << special;
        QTest::newRow("ctrl+left") << int(Qt::LeftButton) << ctrl << special;
        QTest::newRow("alt+left") << int(Qt::LeftButton) << alt << special;
        QTest::newRow("shift+ctrl+alt+left") << int(Qt::LeftButton) << (shift | ctrl | alt) << special;
        QTest::newRow("shift+middle") << int(Qt::MiddleButton) << shift << plain;
        QTest::newRow("shift+ctrl+middle") << int(Qt::MiddleButton) << (shift | ctrl) << plain;
        QTest::newRow("ctrl+right") << int(Qt::RightButton) << ctrl << special;
        QTest::newRow("meta+left") << int(Qt::LeftButton) << int(Qt::MetaModifier) << plain;
        QTest::newRow("back") << int(Qt::BackButton) << none << -1;
    }

    void buttonsAndKeysMapToPlainAndSpecialPresses() {
        QFETCH(int, qtButton);
        QFETCH(int, qtModifiers);
        QFETCH(int, expected);
        const auto button = buttonOf(Qt::MouseButton(qtButton), Qt::KeyboardModifiers(qtModifiers));
        QCOMPARE(button ? int(*button) : -1, expected);
    }

    void thePressHeightRoundedToWholeTwipsPicksTheHalf_data() {
        QTest::addColumn<float>("twips");
        QTest::addColumn<bool>("upper");
        QTest::newRow("0") << 0.0f << true;
        QTest::newRow("435") << 435.0f << true;
        QTest::newRow("448.5 rounds to even 448") << 448.5f << true;
        QTest::newRow("449.4") << 449.4f << true;
        QTest::newRow("449.5 rounds to even 450") << 449.5f << false;
        QTest::newRow("450") << 450.0f << false;
        QTest::newRow("450.4") << 450.4f << false;
        QTest::newRow("899") << 899.0f << false;
    }

    void thePressHeightRoundedToWholeTwipsPicksTheHalf() {
        QFETCH(float, twips);
        QFETCH(bool, upper);
        QCOMPARE(halfAt(twips) == Half::Upper, upper);
        QCOMPARE(twipsFromPixels(29), 435.0f);
    }

    void pressesAndReleasesReachTheGameAsPlainOrSpecial_data() {
        QTest::addColumn<int>("qtButton");
        QTest::addColumn<int>("qtModifiers");
        QTest::addColumn<bool>("special");
        QTest::newRow("left") << int(Qt::LeftButton) << int(Qt::NoModifier) << false;
        QTest::newRow("right") << int(Qt::RightButton) << int(Qt::NoModifier) << true;
        QTest::newRow("shift+middle") << int(Qt::MiddleButton) << int(Qt::ShiftModifier) << false;
        QTest::newRow("ctrl+left") << int(Qt::LeftButton) << int(Qt::ControlModifier) << true;
    }

    void pressesAndReleasesReachTheGameAsPlainOrSpecial() {
        QFETCH(int, qtButton);
        QFETCH(int, qtModifiers);
        QFETCH(bool, special);
        TestWindow w;
        std::array<Kind, kSquareCount> kinds = quietBoard();
        kinds[7] = Kind::Wildcard; // reacts to no press or release
        setPosition(w, kinds);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));

        const auto qb = Qt::MouseButton(qtButton);
        const auto qm = Qt::KeyboardModifiers(qtModifiers);
        // 29 px below the top is the upper half; the release lands over square 8, 40 px down,
        // but goes to square 7, which has the mouse grab.
        QTest::mousePress(w.square(7), qb, qm, QPoint(30, 29));
        QTest::mouseRelease(w.square(7), qb, qm, QPoint(95, 40));

        // The game keeps the half of plain presses only.
        QCOMPARE(w.game().counters().pressedHalf, special ? std::nullopt : std::optional<Half>(Half::Upper));
        // A plain release ends the new board's settling and restarts the scan delay; a special one does
        // nothing.
        QCOMPARE(w.game().counters().freshBoard, special);
        QCOMPARE(w.timerEnabled(TimerId::WaitAfterClick), !special);
    }

    void aPlainClickStepsAColourAndASpecialClickUsesAnEraser() {
        TestWindow w;
        std::array<Kind, kSquareCount> kinds = quietBoard();
        kinds[9] = Kind::K0up;
        setPosition(w, kinds);
        w.resumeWith([](Position& p) { p.counters.removes = 2; });
        w->show();
        QTest::mouseClick(w.square(9), Qt::LeftButton);
        QCOMPARE(w.game().board().kind(9), Kind::K1up);
        QVERIFY(showsPicture(w.square(9), Picture::Sq1up));
        QCOMPARE(w.text("LabelScore"), QStringLiteral("1"));

        QTest::mouseClick(w.square(20), Qt::RightButton);
        QCOMPARE(w.game().board().kind(20), Kind::Removed);
        QCOMPARE(w.text("LabelRemoves"), QStringLiteral("1"));
        QCOMPARE(w.sound.played, std::vector<Clip>{Clip::SingleRemoval});
    }

    void theGameOverBannerLetsClicksThroughToTheSquaresBelow() {
        TestWindow w;
        setPosition(w, quietBoard());
        w.resumeWith([](Position& p) {
            p.counters.removes = 2;
            p.counters.gameOver = true;
        });
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        // (170, 190) lies on the banner and on square 14 (row 2, column 2), 46 px below its top.
        const QPoint onBanner(170, 190);
        QVERIFY(w.label("LabelGameOver")->geometry().contains(onBanner));
        QVERIFY(w.square(14)->geometry().contains(onBanner));
        QTest::mouseClick(w->windowHandle(), Qt::RightButton, {}, onBanner);
        QCOMPARE(w.game().board().kind(14), Kind::Removed);
        QCOMPARE(w.text("LabelRemoves"), QStringLiteral("1"));
    }

    void aWholeMoveRunsOnTheRealTimersAndComesToRest() {
        TestWindow w;
        // Column 0 reads 3, 3, 2up: stepping the 2up up makes a run of three red squares.
        std::array<Kind, kSquareCount> kinds = quietBoard();
        kinds[0] = Kind::K3;
        kinds[6] = Kind::K3;
        kinds[12] = Kind::K2up;
        kinds[18] = Kind::K1;
        setPosition(w, kinds);
        w->show();
        QTest::mouseClick(w.square(12), Qt::LeftButton);
        QVERIFY(showsPicture(w.square(12), Picture::Sq3up));
        QCOMPARE(w.text("LabelScore"), QStringLiteral("1"));
        QVERIFY(w.timerEnabled(TimerId::WaitAfterClick));

        // One second later the scan removes the run with the reaction clip.
        QTRY_COMPARE_WITH_TIMEOUT(w.game().board().kind(12), Kind::Removed, 3000);
        QCOMPARE(w.sound.played.front(), Clip::Reaction);
        QVERIFY(w.text("LabelScore").toInt() >= 11);
        // The chain (clear, fall, refill, scan, and any reactions the refill sets off) ends.
        QTRY_VERIFY_WITH_TIMEOUT(w.game().atRest(), 15000);
        for (int i = 0; i < kSquareCount; ++i) {
            QVERIFY(w.game().board().kind(i) != Kind::Removed);
            QVERIFY(showsPicture(w.square(i), w.game().board()[i].picture));
        }
    }

    void aGameOverThatRaisesTheHighScoreSavesItAtOnce() {
        writeSettings("[General]\nHiScore=90\nStartLevel=3\n");
        TestWindow w;
        setPosition(w, quietBoard()); // no arrow, no gap, no run: the next scan ends the game
        w.resumeWith([](Position& p) { p.counters.score = 120; });
        w->show();
        QTest::mouseClick(w.square(0), Qt::LeftButton); // no eraser: changes nothing, starts the scan delay
        QTRY_VERIFY_WITH_TIMEOUT(!w.label("LabelGameOver")->isHidden(), 3000);
        QCOMPARE(w.text("LabelHiScore"), QStringLiteral("120"));
        const QByteArray text = settingsFileText();
        QVERIFY2(text.contains("HiScore=120"), text.constData());
        QVERIFY2(text.contains("StartLevel=3"), text.constData());
    }

    void closingSavesBothSettingsOnce() {
        TestWindow w;
        w->show();
        w.spinner()->setValue(3);
        w.resumeWith([](Position& p) { p.counters.highScore = 640; });
        w->close();
        QByteArray text = settingsFileText();
        QVERIFY2(text.startsWith("[General]\n"), text.constData());
        QVERIFY2(text.contains("HiScore=640"), text.constData());
        QVERIFY2(text.contains("StartLevel=7"), text.constData());
        // No timer runs after the unload, and a second unload writes nothing.
        QVERIFY(!w.anyTimerEnabled());
        writeSettings("[General]\nHiScore=1\n");
        w->unload();
        QCOMPARE(settingsFileText(), QByteArray("[General]\nHiScore=1\n"));
        writeSettings(text);

        TestWindow next;
        QCOMPARE(next.spinner()->value(), 3);
        QCOMPARE(next.text("LevelTxt"), QStringLiteral("7"));
        QCOMPARE(next.text("LabelHiScore"), QStringLiteral("640"));
    }

    void atRestNoTimerRunsAndNothingRepaints() {
        TestWindow w;
        setPosition(w, quietBoard());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QTest::qWait(50);
        int paints = 0;
        struct PaintCounter : QObject {
            int& count;
            explicit PaintCounter(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint) ++count;
                return false;
            }
        } counter(paints);
        for (QWidget* child : w->findChildren<QWidget*>()) child->installEventFilter(&counter);
        w->resume(w.game().position()); // shows the same state again
        QTest::qWait(300);
        QVERIFY(!w.anyTimerEnabled());
        QCOMPARE(paints, 0);
    }
};

QUADRELLE_TEST_MAIN(WindowEventsTest)
#include "WindowEventsTest.moc"
