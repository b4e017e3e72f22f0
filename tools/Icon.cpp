// SPDX-License-Identifier: MIT
// The window icon: a square bracket along each side and, between them, an up arrow
// above a down arrow joined by one shaft. The shapes are laid out on a 32 x 32 grid
// and rasterised at each size as coverage masks; the pixels are then coloured with a
// checkerboard of two greens per shape and a bright rim on the edges facing the top
// left, the look of a small hand-dithered 24-bit icon.
#include "Icon.h"

#include "AssetFiles.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace assets {
namespace {

constexpr int gridSize = 32;
// 192 and 512 are the sizes a web app manifest asks for.
constexpr int iconSizes[] = {32, 48, 64, 128, 192, 256, 512};
const QColor highlight(64, 224, 64);

struct Region {
    QPainterPath shape;
    QColor even;
    QColor odd;
};

QPainterPath bracketsPath() {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // the arms overlap the uprights
    for (qreal x : {1.0, 27.0}) path.addRect(x, 1, 4, 30);
    for (qreal x : {1.0, 22.0}) {
        path.addRect(x, 1, 9, 4);
        path.addRect(x, 27, 9, 4);
    }
    return path.simplified();
}

QPainterPath twoWayArrowPath() {
    QPainterPath path;
    path.addPolygon(QPolygonF(
        {{16, 2}, {23, 11}, {19, 11}, {19, 21}, {23, 21}, {16, 30}, {9, 21}, {13, 21}, {13, 11}, {9, 11}}));
    path.closeSubpath();
    return path;
}

// Coverage of the shape at each pixel, 0..255, as the alpha of a white fill.
QImage coverageMask(const QPainterPath& shape, int size) {
    QImage mask(size, size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / gridSize, qreal(size) / gridSize);
    painter.fillPath(shape, Qt::white);
    return mask;
}

bool inside(const QImage& mask, int x, int y) {
    return x >= 0 && y >= 0 && qAlpha(mask.pixel(x, y)) >= 128;
}

QColor regionColour(const Region& region, const QImage& mask, int x, int y, int cell) {
    if (!inside(mask, x - cell, y) || !inside(mask, x, y - cell)) return highlight;
    return ((x / cell + y / cell) % 2 == 0) ? region.even : region.odd;
}

void paintRegion(QImage& icon, const Region& region, int cell) {
    const QImage mask = coverageMask(region.shape, icon.width());
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const int coverage = qAlpha(mask.pixel(x, y));
            if (coverage == 0) continue;
            const QColor c = regionColour(region, mask, x, y, cell);
            // Over black, blending by coverage is a plain scale of the colour.
            icon.setPixel(
                x, y, qRgb(c.red() * coverage / 255, c.green() * coverage / 255, c.blue() * coverage / 255));
        }
    }
}

} // namespace

QImage renderIcon(int size) {
    // One dither cell per grid pixel at the larger sizes, so the pattern keeps its scale.
    const int cell = std::max(1, qRound(qreal(size) / gridSize));
    QImage icon(size, size, QImage::Format_RGB32);
    icon.fill(Qt::black);
    paintRegion(icon, {bracketsPath(), QColor(64, 160, 128), QColor(0, 160, 128)}, cell);
    paintRegion(icon, {twoWayArrowPath(), QColor(64, 160, 64), QColor(0, 160, 64)}, cell);
    return icon;
}

QStringList writeIcons(const QString& outputDir) {
    QStringList written;
    for (int size : iconSizes) {
        const QString path = QStringLiteral("icon/quadrelle-%1.png").arg(size);
        writePng(outputDir + '/' + path, renderIcon(size));
        written << path;
    }
    return written;
}

} // namespace assets
