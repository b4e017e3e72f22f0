// SPDX-License-Identifier: MIT
// The square pictures: every template at both sizes, drawn in its colour and size,
// with its arrows in the right rows and its marked form broken at the corners.
#include "PicturesTest.h"

#include "AssetPaths.h"
#include "ImageChecks.h"
#include "PictureCatalogue.h"

#include <QTest>

using namespace assettest;

namespace {

QImage picture(const QString& name, int scale = 1) {
    QImage image(picturePath(name, scale));
    return image.convertToFormat(QImage::Format_RGB32);
}

bool notBlack(QRgb p) {
    return !isBlack(p);
}

} // namespace

void PicturesTest::bothSizesAreOpaque_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : allPictures) QTest::newRow(qPrintable(name)) << name;
}

void PicturesTest::bothSizesAreOpaque() {
    QFETCH(QString, name);
    for (int scale : {1, 2}) {
        const QImage image(picturePath(name, scale));
        QVERIFY2(!image.isNull(), qPrintable(picturePath(name, scale)));
        QCOMPARE(image.size(), QSize(60 * scale, 60 * scale));
        QVERIFY(!image.hasAlphaChannel());
    }
}

void PicturesTest::emptyPictureIsAllBlack() {
    for (int scale : {1, 2}) {
        const QImage image = picture("sqEmpty", scale);
        QCOMPARE(countPixels(image, [](QRgb p) { return (p & RGB_MASK) == 0; }), 3600 * scale * scale);
    }
}

void PicturesTest::mainColourDominates_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("digit");
    for (const QString& name : allPictures)
        if (colourOf(name) >= 0) QTest::newRow(qPrintable(name)) << name << colourOf(name);
}

void PicturesTest::mainColourDominates() {
    QFETCH(QString, name);
    QFETCH(int, digit);
    for (int scale : {1, 2}) {
        const QRgb dominant = dominantSaturatedColour(picture(name, scale));
        QVERIFY2(colourDistance(dominant, mainColours[digit]) <= 8,
                 qPrintable(QStringLiteral("%1@%2x: %3").arg(name).arg(scale).arg(QColor(dominant).name())));
    }
}

void PicturesTest::outlineHasItsSize_data() {
    QTest::addColumn<int>("digit");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("sq0") << 0 << QSize(21, 21);
    QTest::newRow("sq1") << 1 << QSize(29, 29);
    QTest::newRow("sq2") << 2 << QSize(38, 36);
    QTest::newRow("sq3") << 3 << QSize(46, 44);
    QTest::newRow("sq4") << 4 << QSize(60, 60);
}

void PicturesTest::outlineHasItsSize() {
    QFETCH(int, digit);
    QFETCH(QSize, expected);
    for (int scale : {1, 2}) {
        const QRect bounds = boundsOf(picture(QStringLiteral("sq%1").arg(digit), scale), notBlack);
        QVERIFY2(
            qAbs(bounds.width() - expected.width() * scale) <= 2 * scale &&
                qAbs(bounds.height() - expected.height() * scale) <= 2 * scale,
            qPrintable(QStringLiteral("@%1x: %2 x %3").arg(scale).arg(bounds.width()).arg(bounds.height())));
        // Centred: the margins on opposite sides differ by at most a pixel.
        QVERIFY(qAbs(bounds.left() - (60 * scale - 1 - bounds.right())) <= 1);
        QVERIFY(qAbs(bounds.top() - (60 * scale - 1 - bounds.bottom())) <= 1);
    }
}

void PicturesTest::outlinesGrowWithTheDigit() {
    QRect previous;
    for (int digit = 0; digit <= 4; ++digit) {
        const QRect bounds = boundsOf(picture(QStringLiteral("sq%1").arg(digit)), notBlack);
        if (digit > 0) {
            QVERIFY(bounds.width() > previous.width());
            QVERIFY(bounds.height() > previous.height());
        }
        previous = bounds;
    }
    QCOMPARE(previous, QRect(0, 0, 60, 60));
}

void PicturesTest::arrowsSitInTheirRows_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");
    for (const QString& name : allPictures)
        QTest::newRow(qPrintable(name)) << name << name.contains("up") << name.endsWith("down");
}

void PicturesTest::arrowsSitInTheirRows() {
    QFETCH(QString, name);
    QFETCH(bool, up);
    QFETCH(bool, down);
    for (int s : {1, 2}) {
        const QImage image = picture(name, s);
        const QRect upRows(0, 2 * s, 60 * s, 23 * s);    // rows 2..24
        const QRect downRows(0, 34 * s, 60 * s, 24 * s); // rows 34..57
        QCOMPARE(countPixels(image, isLightGrey, upRows) > 0, up);
        QCOMPARE(countPixels(image, isLightGrey, downRows) > 0, down);
        QCOMPARE(countPixels(image, isLightGrey) - countPixels(image, isLightGrey, upRows) -
                     countPixels(image, isLightGrey, downRows),
                 0);
        if (up || down) {
            const QRect arrows = boundsOf(image, isLightGrey);
            QVERIFY(qAbs(arrows.left() - (60 * s - 1 - arrows.right())) <= 1);
        }
    }
}

void PicturesTest::markedCornersAreOpen_data() {
    QTest::addColumn<int>("digit");
    for (int digit = 1; digit <= 4; ++digit) QTest::addRow("tri%dr", digit) << digit;
}

// Where the whole outline turns its corners, the marked outline has nothing.
void PicturesTest::markedCornersAreOpen() {
    QFETCH(int, digit);
    for (int s : {1, 2}) {
        const QImage whole = picture(QStringLiteral("sq%1").arg(digit), s);
        const QImage marked = picture(QStringLiteral("tri%1r").arg(digit), s);
        const QRect outline = boundsOf(whole, notBlack);
        QCOMPARE(boundsOf(marked, notBlack).united(outline), outline);
        const int k = std::min(outline.width(), outline.height()) / 5;
        const QRect corners[] = {
            {outline.topLeft(), QSize(k, k)},
            {outline.topRight() - QPoint(k - 1, 0), QSize(k, k)},
            {outline.bottomLeft() - QPoint(0, k - 1), QSize(k, k)},
            {outline.bottomRight() - QPoint(k - 1, k - 1), QSize(k, k)},
        };
        for (const QRect& corner : corners) {
            QVERIFY(countPixels(whole, notBlack, corner) > 0);
            QCOMPARE(countPixels(marked, notBlack, corner), 0);
        }
    }
}

void PicturesTest::markedLookHasFourPieces_data() {
    QTest::addColumn<int>("digit");
    for (int digit = 0; digit <= 4; ++digit) QTest::addRow("tri%dr", digit) << digit;
}

// Four bars, one per side; colour 0 has four dots in a 2 x 2 block instead.
void PicturesTest::markedLookHasFourPieces() {
    QFETCH(int, digit);
    for (int s : {1, 2}) {
        const auto centroids = pieces(picture(QStringLiteral("tri%1r").arg(digit), s), notBlack);
        QCOMPARE(int(centroids.size()), 4);
        const qreal mid = 30.0 * s - 0.5;
        int quadrants = 0, sides = 0;
        for (const QPointF& c : centroids) {
            quadrants |= 1 << ((c.x() > mid ? 1 : 0) + (c.y() > mid ? 2 : 0));
            const bool onVertical = qAbs(c.x() - mid) < 1, onHorizontal = qAbs(c.y() - mid) < 1;
            sides |= onVertical ? (c.y() < mid ? 1 : 2) : onHorizontal ? (c.x() < mid ? 4 : 8) : 0;
        }
        if (digit == 0)
            QCOMPARE(quadrants, 0xF);
        else
            QCOMPARE(sides, 0xF);
    }
}

// Walking in from the left edge meets blue, red, yellow, green and then pink.
void PicturesTest::wildcardBandsNestInOrder() {
    for (int s : {1, 2}) {
        const QImage image = picture("sq1234", s);
        QCOMPARE(countPixels(image, isBlack), 0);
        QList<int> order;
        for (int x = 0; x < 30 * s; ++x) {
            const QRgb p = image.pixel(x, 30 * s);
            for (int digit = 0; digit <= 4; ++digit)
                if (colourDistance(p, mainColours[digit]) <= 8 && (order.isEmpty() || order.last() != digit))
                    order << digit;
        }
        QCOMPARE(order, QList<int>({4, 3, 2, 1, 0}));
    }
}
