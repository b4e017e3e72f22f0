// SPDX-License-Identifier: MIT
// The window as it opens: its caption, size and title-bar buttons, every control's name,
// place, caption, font, alignment, colours and visibility after the load, the board of 36
// squares, what draws over what, the focus order, keys and focus marks, the pictures the
// squares show in a grab of the window, and the names a screen reader gets.
#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "window/ControlLayout.h"
#include "window/Notice.h"
#include "window/WindowIcon.h"
#include "TestMain.h"
#include "TestWindow.h"

using namespace quadrelle;
using namespace quadrelle::app;
using namespace quadrelle::app::testing;

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { writeSettings({}); }

    void windowHasItsCaptionAndFixedClientArea() {
        TestWindow w;
        QCOMPARE(w->windowTitle(), QStringLiteral("Quadrelle!"));
        QCOMPARE(w->size(), QSize(510, 433));
        QCOMPARE(w->minimumSize(), QSize(510, 433));
        QCOMPARE(w->maximumSize(), QSize(510, 433));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(w->autoFillBackground());
    }

    // Given to the window once its first frame is drawn.
    void windowIconHasEverySizeOfTheResources() {
        const QList<QSize> sizes = windowIconFromResources().availableSizes();
        for (int size : {32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }

    void windowHasACloseButtonOnly() {
        TestWindow w;
        const Qt::WindowFlags flags = w->windowFlags();
        QVERIFY(flags & Qt::Window);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }

    void everyControlStandsAsDesignedAfterTheLoad_data() {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("fontPixels");
        QTest::addColumn<bool>("visible");

        // name: x, y, width, height in px; caption after the load; font px (0 none); visible.
        const auto row = [](const char* name, QRect geometry, const char* caption, int font, bool visible) {
            QTest::newRow(name) << geometry << QString::fromUtf8(caption) << font << visible;
        };
        row("LabelComboT", {415, 7, 65, 17}, " Combo x", 13, false);
        row("LabelCombo", {471, 7, 24, 17}, "0", 13, false);
        row("Label3", {424, 24, 57, 17}, "Score", 19, true);
        row("LabelScore", {405, 46, 97, 17}, "0", 19, true);
        row("Hiscore", {416, 80, 57, 17}, "Hiscore", 13, true);
        row("LabelClr", {475, 80, 25, 17}, "[x]", 13, true);
        row("LabelHiScore", {424, 101, 57, 17}, "0", 19, true);
        row("Label2", {424, 144, 57, 17}, "Level", 19, true);
        row("LabelLevel", {424, 167, 57, 17}, "1", 19, true);
        row("Label6", {416, 208, 57, 17}, "Left", 19, true);
        row("LabelLeft", {424, 232, 57, 17}, "20", 19, true);
        row("LabelRemoves1", {424, 272, 65, 17}, "Erasers", 13, true);
        row("LabelRemoves", {441, 291, 24, 25}, "0", 21, true);
        row("Command1", {416, 328, 77, 49}, "New Game", 19, true);
        row("Label1", {410, 393, 49, 41}, "Start level", 13, true);
        row("LevelTxt", {460, 403, 11, 21}, "1", 21, true);
        row("HScrollLevel", {480, 393, 17, 31}, "", 0, true);
        row("LabelGameOver", {112, 176, 193, 41}, "Game Over", 32, false);
        row("Label4", {30, 409, 361, 25}, kCreditLine, 13, true);
    }

    void everyControlStandsAsDesignedAfterTheLoad() {
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(int, fontPixels);
        QFETCH(bool, visible);
        TestWindow w;
        QWidget* control = w.control(QTest::currentDataTag());
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), w.window.get());
        QCOMPARE(control->geometry(), geometry);
        if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), caption);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) QCOMPARE(button->text(), caption);
        if (fontPixels > 0) {
            QCOMPARE(control->font().pixelSize(), fontPixels);
            QCOMPARE(control->font().family(), QStringLiteral("Courier New"));
            QCOMPARE(control->font().bold(), QByteArray(QTest::currentDataTag()) == "LabelClr");
        }
        QCOMPARE(!control->isHidden(), visible);
    }

    void labelsHaveTheirAlignmentAndColours_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("fore");
        const QColor black(0, 0, 0), white(255, 255, 255), grey(192, 192, 192);
        const int left = Qt::AlignLeft, right = Qt::AlignRight, centre = Qt::AlignHCenter;
        QTest::newRow("LabelComboT") << left << grey << black;
        QTest::newRow("LabelCombo") << left << grey << black;
        QTest::newRow("Label3") << right << black << white;
        QTest::newRow("LabelScore") << centre << black << white;
        QTest::newRow("Hiscore") << left << black << white;
        QTest::newRow("LabelClr") << left << black << grey;
        QTest::newRow("LabelHiScore") << centre << black << white;
        QTest::newRow("Label2") << right << black << white;
        QTest::newRow("LabelLevel") << centre << black << white;
        QTest::newRow("Label6") << right << black << white;
        QTest::newRow("LabelLeft") << centre << black << white;
        QTest::newRow("LabelRemoves1") << left << black << white;
        QTest::newRow("LabelRemoves") << centre << black << white;
        QTest::newRow("Label1") << left << black << grey;
        QTest::newRow("LevelTxt") << right << black << white;
        QTest::newRow("LabelGameOver") << centre << grey << black;
        QTest::newRow("Label4") << left << black << QColor(224, 224, 224);
    }

    void labelsHaveTheirAlignmentAndColours() {
        QFETCH(int, alignment);
        QFETCH(QColor, back);
        QFETCH(QColor, fore);
        TestWindow w;
        QLabel* label = w.label(QTest::currentDataTag());
        QVERIFY(label);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), back);
        QCOMPARE(label->palette().color(QPalette::WindowText), fore);
    }

    void startLevelAndNewGameCaptionsWrapOntoTwoLines() {
        TestWindow w;
        QVERIFY(w.label("Label1")->wordWrap());
        const QFontMetrics metrics(w.newGameButton()->font());
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, 77, 49), Qt::TextWordWrap, "New Game");
        QCOMPARE(wrapped.height(), 2 * metrics.lineSpacing());
        const QFontMetrics labelMetrics(w.label("Label1")->font());
        QCOMPARE(labelMetrics.boundingRect(QRect(0, 0, 49, 41), Qt::TextWordWrap, "Start level").height(),
                 2 * labelMetrics.lineSpacing());
    }

    void theBoardHas36SquaresOf60PixelsFourApart() {
        TestWindow w;
        for (int i = 0; i < kSquareCount; ++i) {
            auto* square = w.control<SquareWidget>(qPrintable(QStringLiteral("sq%1").arg(i)));
            QVERIFY(square);
            QCOMPARE(square->geometry(), QRect(16 + 64 * columnOf(i), 16 + 64 * rowOf(i), 60, 60));
            QCOMPARE(square->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(w.square(7)->geometry().topLeft() * kTwipsPerPixel, QPoint(1200, 1200));
        QCOMPARE(w.square(35)->geometry().topLeft() * kTwipsPerPixel, QPoint(5040, 5040));
    }

    void gameOverBannerLiesOverTheBoardAndComboCountOverItsText() {
        TestWindow w;
        const QObjectList& children = w->children();
        QVERIFY(children.indexOf(w.label("LabelGameOver")) > children.indexOf(w.square(35)));
        QVERIFY(children.indexOf(w.label("LabelCombo")) > children.indexOf(w.label("LabelComboT")));
        // The labels let clicks through, so what lies on top is read from the drawn window:
        // the banner's grey margin covers the corner of the square in row 3, column 1, which
        // shows a plain picture (no grey arrow) here.
        setPosition(w, quietBoard());
        w.resumeWith([](Position& p) { p.counters.gameOver = true; });
        const QPoint bannerMargin(115, 214);
        QVERIFY(w.square(19)->geometry().contains(bannerMargin));
        QCOMPARE(w->grab().toImage().pixelColor(bannerMargin), QColor(192, 192, 192));
    }

    // Also run at QT_SCALE_FACTOR=2. Dark pixels are the letters on the grey banner.
    void comboBannerReadsComboXThenTheCount() {
        TestWindow w;
        w.resumeWith([](Position& position) {
            position.counters.comboCount = 2;
            position.counters.comboShown = true;
        });
        QLabel* caption = w.label("LabelComboT");
        QLabel* count = w.label("LabelCombo");
        QCOMPARE(count->text(), QStringLiteral("2"));
        const QRect banner = caption->geometry().united(count->geometry());
        const QImage both = w->grab(banner).toImage();
        count->hide();
        const QImage captionAlone = w->grab(banner).toImage();
        if (const QString dir = qEnvironmentVariable("QUADRELLE_GRABS_DIR"); !dir.isEmpty())
            both.save(QStringLiteral("%1/combo-banner-x%2.png").arg(dir).arg(both.devicePixelRatio()));

        const auto dark = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 96; };
        const int captionWidth = int(caption->width() * both.devicePixelRatio()); // black beyond it, alone
        int captionEnd = -1; // the last column of the "x"
        int countStart = both.width();
        for (int y = 0; y < both.height(); ++y) {
            for (int x = 0; x < both.width(); ++x) {
                if (x < captionWidth && dark(captionAlone, x, y)) {
                    captionEnd = std::max(captionEnd, x);
                    QCOMPARE(both.pixel(x, y), captionAlone.pixel(x, y)); // the caption is intact
                } else if (dark(both, x, y)) {
                    countStart = std::min(countStart, x);
                }
            }
        }
        QVERIFY2(captionEnd >= 0 && countStart < both.width(), "both texts are drawn");
        QVERIFY2(countStart > captionEnd,
                 qPrintable(QStringLiteral("the count starts at %1, within the x ending at %2")
                                .arg(countStart)
                                .arg(captionEnd)));
        // One grey band from end to end, under the count too.
        for (int x = 0; x < both.width(); ++x)
            for (int y : {0, both.height() - 1}) QCOMPARE(both.pixelColor(x, y), QColor(192, 192, 192));
    }

    void everyControlLiesInTheClientArea() {
        TestWindow w;
        for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // "Start level" reaches one pixel below the client area, as designed.
            QVERIFY2(w->rect().intersects(child->geometry()), qPrintable(child->objectName()));
        }
    }

    void firstRunShowsTheDefaults() {
        TestWindow w;
        QCOMPARE(w.text("LabelHiScore"), QStringLiteral("0"));
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("1"));
        QCOMPARE(w.spinner()->value(), 9);
        QCOMPARE(w.spinner()->minimum(), 1);
        QCOMPARE(w.spinner()->maximum(), 9);
        QCOMPARE(w.spinner()->singleStep(), 1);
        QCOMPARE(w.spinner()->pageStep(), 1);
        QCOMPARE(w.spinner()->orientation(), Qt::Vertical);
        QCOMPARE(w.text("LabelLevel"), QStringLiteral("1"));
        QCOMPARE(w.text("LabelScore"), QStringLiteral("0"));
        QCOMPARE(w.text("LabelLeft"), QStringLiteral("20"));
        QCOMPARE(w.text("LabelRemoves"), QStringLiteral("0"));
        QVERIFY(w.label("LabelCombo")->isHidden());
        QVERIFY(w.label("LabelComboT")->isHidden());
        QVERIFY(w.label("LabelGameOver")->isHidden());
        QVERIFY(w.game().counters().freshBoard);
        QCOMPARE(w.game().counters().reactionCount, 0);
        QVERIFY(w.timerEnabled(TimerId::WaitAfterInit));
        for (int i = 0; i < kSquareCount; ++i)
            QVERIFY(showsPicture(w.square(i), w.game().board()[i].picture));
    }

    // The board joins the chain last, and only by Tab: a click never gives it the focus.
    void theButtonAndTheSpinnerTakeFocusInThatOrderThenTheBoard() {
        TestWindow w;
        QWidget* board = w.control<QWidget>("Board");
        for (QWidget* child : w->findChildren<QWidget*>()) {
            const bool focusable = child == w.newGameButton() || child == w.spinner();
            if (child != board) QCOMPARE(child->focusPolicy() != Qt::NoFocus, focusable);
        }
        QCOMPARE(board->focusPolicy(), Qt::TabFocus);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QCOMPARE(QApplication::focusWidget(), w.newGameButton());
        QTest::keyClick(w.window.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.spinner());
        QTest::keyClick(w.window.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), board);
        QTest::keyClick(w.window.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.newGameButton());
    }

    // The spinner is too small for a focus frame inside it; a ring shows around it instead,
    // only while it has the focus, and the spinner keeps its place and size.
    void theSpinnerShowsAFocusRingAroundItOnlyWithTheFocus() {
        TestWindow w;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        const QRect designed = w.spinner()->geometry();
        const auto leftOfSpinner = [&] {
            return w->grab().toImage().pixelColor(designed.left() - 1, designed.top());
        };
        QCOMPARE(leftOfSpinner(), QColor(Qt::black));
        QTest::keyClick(w.window.get(), Qt::Key_Tab);
        QCOMPARE(leftOfSpinner(), QColor(255, 224, 0));
        QCOMPARE(w.spinner()->geometry(), designed);
        QTest::keyClick(w.window.get(), Qt::Key_Tab);
        QCOMPARE(leftOfSpinner(), QColor(Qt::black));
    }

    void enterAndSpaceOnTheFocusedButtonStartANewGame_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void enterAndSpaceOnTheFocusedButtonStartANewGame() {
        QFETCH(int, key);
        TestWindow w;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        w.resumeWith([](Position& p) { p.counters.score = 55; });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(w.text("LabelScore"), QStringLiteral("0"));
    }

    void arrowKeysMoveTheSpinnerOnceItHasFocus() {
        TestWindow w;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_Tab);
        QTest::keyClick(w.spinner(), Qt::Key_Up);
        QCOMPARE(w.spinner()->value(), 8);
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("2"));
        QTest::keyClick(w.spinner(), Qt::Key_Down);
        QCOMPARE(w.text("LevelTxt"), QStringLiteral("1"));
    }

    void eachSquareShowsItsPictureInAGrabOfTheWindow() {
        TestWindow w;
        std::array<Kind, kSquareCount> kinds = quietBoard();
        const std::array<Kind, 8> extra = {Kind::K0up,   Kind::K1updown, Kind::K2down,  Kind::K3updown,
                                           Kind::K4down, Kind::Wildcard, Kind::Removed, Kind::K3up};
        for (std::size_t n = 0; n < extra.size(); ++n) kinds[4 * n + 1] = extra[n];
        setPosition(w, kinds);
        w.resumeWith([](Position& p) { p.board.showPicture(34, Picture::Tri2r); });
        const TemplatePictures pictures;
        const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), QSize(510, 433));
        for (int i = 0; i < kSquareCount; ++i) {
            const Picture picture = w.game().board()[i].picture;
            const QImage expected = pictures[picture].toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(expected.size(), QSize(60, 60));
            QCOMPARE(shot.copy(w.square(i)->geometry()), expected);
        }
        // The gaps between squares are the black background.
        QCOMPARE(shot.pixelColor(78, 100), QColor(Qt::black));
    }

    void everySquareHasAnAccessibleNameSayingItsKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QString>("name");
        QTest::newRow("1up") << int(Kind::K1up) << false << "green, arrow up";
        QTest::newRow("2updown") << int(Kind::K2updown) << false << "yellow, arrows up and down";
        QTest::newRow("4down") << int(Kind::K4down) << false << "blue, arrow down";
        QTest::newRow("0") << int(Kind::K0) << false << "pink";
        QTest::newRow("1234") << int(Kind::Wildcard) << false << "wildcard";
        QTest::newRow("Removed") << int(Kind::Removed) << false << "empty";
        QTest::newRow("3 marked") << int(Kind::K3) << true << "red, marked";
    }

    void everySquareHasAnAccessibleNameSayingItsKind() {
        QFETCH(int, kind);
        QFETCH(bool, marked);
        QFETCH(QString, name);
        TestWindow w;
        std::array<Kind, kSquareCount> kinds = quietBoard();
        kinds[13] = Kind(kind);
        setPosition(w, kinds);
        w.resumeWith([&](Position& p) { p.board[13].marked = marked; });
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w.square(13));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("row 3, column 2"));
    }

    // The spin box speaks the start level, not the bar's flipped value, and steps it.
    void theStartLevelSpinBoxSpeaksAndStepsTheStartLevel_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("to");
        QTest::newRow("increase raises") << 1 << QAccessibleActionInterface::increaseAction() << 2;
        QTest::newRow("decrease lowers") << 4 << QAccessibleActionInterface::decreaseAction() << 3;
        QTest::newRow("increase stops at 9") << 9 << QAccessibleActionInterface::increaseAction() << 9;
    }

    void theStartLevelSpinBoxSpeaksAndStepsTheStartLevel() {
        QFETCH(int, from);
        QFETCH(QString, action);
        QFETCH(int, to);
        writeSettings("[General]\nStartLevel=" + QByteArray::number(from) + "\n");
        TestWindow w;
        QAccessibleInterface* spinner = QAccessible::queryAccessibleInterface(w.spinner());
        QCOMPARE(spinner->role(), QAccessible::SpinBox);
        QCOMPARE(spinner->valueInterface()->currentValue().toInt(), from);
        QCOMPARE(spinner->valueInterface()->maximumValue().toInt(), 9);
        spinner->actionInterface()->doAction(action);
        QCOMPARE(w.text("LevelTxt"), QString::number(to));
        QCOMPARE(spinner->text(QAccessible::Value), QString::number(to));
    }

    void aSquaresPressActionClicksItAsTheMouseDoes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("kindAfter");
        QTest::newRow("a step along the arrow") << int(Kind::K2up) << int(Kind::K3up);
        QTest::newRow("a two-way square steps up") << int(Kind::K2updown) << int(Kind::K3up);
        QTest::newRow("a plain square spends an eraser") << int(Kind::K3) << int(Kind::Removed);
    }

    void aSquaresPressActionClicksItAsTheMouseDoes() {
        QFETCH(int, kind);
        QFETCH(int, kindAfter);
        TestWindow w;
        std::array<Kind, kSquareCount> kinds = quietBoard();
        kinds[13] = Kind(kind);
        setPosition(w, kinds);
        w.resumeWith([](Position& p) { p.counters.removes = 1; });
        QAccessibleInterface* square = QAccessible::queryAccessibleInterface(w.square(13));
        square->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.game().board().kind(13), Kind(kindAfter));
        QVERIFY(w.timerEnabled(TimerId::WaitAfterClick));
    }

    // A notification is spoken as it shows; it lets the mouse through and goes by itself.
    void theSoundKeyShowsANoticeThatIsSpokenAndGoes() {
        TestWindow w;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.newGameButton(), Qt::Key_M);
        auto* notice = w.control<Notice>("Notice");
        QVERIFY(notice->isVisible() && notice->testAttribute(Qt::WA_TransparentForMouseEvents));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(notice);
        QCOMPARE(accessible->role(), QAccessible::Notification);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Sound off"));
        QTRY_VERIFY_WITH_TIMEOUT(notice->isHidden(), Notice::kShownMs + 1000);
    }

    void counterLabelsExposeTheirTextsToScreenReaders() {
        TestWindow w;
        w.resumeWith([](Position& p) { p.counters.score = 345; });
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w.label("LabelScore"));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("345"));
    }
};

QUADRELLE_TEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
