// SPDX-License-Identifier: MIT
// On a screen with twice the pixel density the squares show the sharp 120-pixel pictures,
// drawn at the same 60 logical pixels. Run with QT_SCALE_FACTOR=2.
#include <QImage>
#include <QTest>

#include "TestMain.h"
#include "TestWindow.h"

using namespace quadrelle;
using namespace quadrelle::app;
using namespace quadrelle::app::testing;

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void everyTemplateIsTheSharpPictureAtTwiceTheDensity() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        const TemplatePictures pictures;
        for (int n = 0; n < kPictureCount; ++n) {
            const QPixmap& pixmap = pictures[static_cast<Picture>(n)];
            QCOMPARE(pixmap.size(), QSize(120, 120));
            QCOMPARE(pixmap.devicePixelRatio(), 2.0);
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(60, 60));
        }
    }

    void theBoardKeepsItsLogicalGeometryAndShowsTheSharpPicture() {
        TestWindow w;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QCOMPARE(w->size(), QSize(510, 433));
        QCOMPARE(w.square(35)->geometry(), QRect(336, 336, 60, 60));
        const QImage grabbed = w.square(0)->grab().toImage();
        QCOMPARE(grabbed.size(), QSize(120, 120));
        const TemplatePictures pictures;
        const QImage sharp = pictures[w.game().board()[0].picture].toImage();
        QCOMPARE(grabbed.convertToFormat(QImage::Format_RGB32), sharp.convertToFormat(QImage::Format_RGB32));
    }
};

QUADRELLE_TEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"
