// SPDX-License-Identifier: MIT
// The window icon: opaque at every size, in the listed greens, with a bracket on
// each side and an unbroken two-way arrow between them.
#include "IconTest.h"

#include "AssetPaths.h"
#include "ImageChecks.h"

#include <QTest>

using namespace assettest;

namespace {

QImage icon(int size) {
    return QImage(assetPath(QStringLiteral("icon/quadrelle-%1.png").arg(size)))
        .convertToFormat(QImage::Format_RGB32);
}

bool isGreen(QRgb p) {
    return qGreen(p) > std::max(qRed(p), 16) && qGreen(p) >= qBlue(p);
}

} // namespace

void IconTest::everySizeIsOpaque_data() {
    QTest::addColumn<int>("size");
    for (int size : {32, 48, 64, 128, 192, 256, 512}) QTest::addRow("%d", size) << size;
}

void IconTest::everySizeIsOpaque() {
    QFETCH(int, size);
    const QImage image(assetPath(QStringLiteral("icon/quadrelle-%1.png").arg(size)));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(!image.hasAlphaChannel());
}

void IconTest::drawnInTheListedGreens() {
    const QList<QRgb> listed = {qRgb(64, 160, 128), qRgb(64, 160, 64), qRgb(0, 160, 64), qRgb(0, 160, 128),
                                qRgb(64, 224, 64)};
    const QImage image = icon(32);
    const int drawn = countPixels(image, [](QRgb p) { return !isBlack(p); });
    const int inListed =
        countPixels(image, [&](QRgb p) { return listed.contains(qRgb(qRed(p), qGreen(p), qBlue(p))); });
    QVERIFY(drawn > 32 * 32 / 4);
    QVERIFY2(inListed * 4 >= drawn * 3, qPrintable(QStringLiteral("%1 of %2").arg(inListed).arg(drawn)));
    QCOMPARE(countPixels(image, [](QRgb p) { return !isBlack(p) && !isGreen(p); }), 0);
}

void IconTest::bracketsFlankAJoinedArrow() {
    const QImage image = icon(32);
    // The brackets run the full height just inside each edge.
    QCOMPARE(countPixels(image, isGreen, QRect(2, 2, 1, 28)), 28);
    QCOMPARE(countPixels(image, isGreen, QRect(29, 2, 1, 28)), 28);
    // The arrow's centre line is unbroken from one tip to the other ...
    QCOMPARE(countPixels(image, isGreen, QRect(15, 5, 2, 22)), 44);
    // ... and black space separates it from the brackets.
    QCOMPARE(countPixels(image, isGreen, QRect(6, 8, 2, 16)), 0);
    QCOMPARE(countPixels(image, isGreen, QRect(24, 8, 2, 16)), 0);
}
