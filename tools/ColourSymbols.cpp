// SPDX-License-Identifier: MIT
// The colour symbols: a ring, a triangle, three bars, a plus and a star, and an
// asterisk for the wildcard. None of them is a filled round or square blob, which
// would cover most of any other shape drawn in the same spot: shapes that overlap
// little stay easy to tell apart at a glance.
#include "ColourSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace assets {
namespace {

// On whole pixels, so the straight edges stay sharp at 1x and 2x. No shape reaches
// more than 8 px from it across or down, nor its rim more than 9.5, so every symbol
// keeps to the 20 x 20 corner: left of the centred arrows and clear of the smallest outline.
const QPointF centre(10, 10);
constexpr qreal rimWidth = 1.5;

QPainterPath polygonPath(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points.translated(centre));
    path.closeSubpath();
    return path;
}

QPainterPath ring() {
    QPainterPath path;
    path.addEllipse(centre, 7, 7);
    path.addEllipse(centre, 3.5, 3.5);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

QPainterPath triangle() {
    return polygonPath(QPolygonF({{0, -7}, {7.5, 6}, {-7.5, 6}}));
}

QPainterPath bars() {
    QPainterPath path;
    for (qreal top : {-7.0, -1.5, 4.0}) path.addRect(QRectF(-7, top, 14, 3).translated(centre));
    return path;
}

// The twelve corners, clockwise from the top arm's left.
QPainterPath plus() {
    // clang-format off
    return polygonPath(QPolygonF({{-3, -7}, {3, -7}, {3, -3}, {7, -3}, {7, 3}, {3, 3},
                                  {3, 7}, {-3, 7}, {-3, 3}, {-7, 3}, {-7, -3}, {-3, -3}}));
    // clang-format on
}

QPainterPath star() {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? 8.0 : 3.5;
        const qreal angle = i * std::numbers::pi / 5 - std::numbers::pi / 2;
        points << QPointF(radius * std::cos(angle), radius * std::sin(angle) + 0.5);
    }
    return polygonPath(points);
}

// Three crossing bars, as the character that matches anything.
QPainterPath asterisk() {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int angle : {0, 60, 120}) {
        QPainterPath bar;
        bar.addRect(QRectF(-1.5, -7.5, 3, 15));
        path.addPath(QTransform().translate(centre.x(), centre.y()).rotate(angle).map(bar));
    }
    return path.simplified();
}

QPainterPath colourShape(int digit) {
    switch (digit) {
    case 0: return ring();
    case 1: return triangle();
    case 2: return bars();
    case 3: return plus();
    default: return star();
    }
}

// The rim is stroked first and the shape filled over its inner half, so the white
// keeps its full size and a black band separates it from any colour beneath.
void drawRimmed(QPainter& painter, const QPainterPath& shape) {
    painter.strokePath(shape, QPen(Qt::black, 2 * rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(shape, Qt::white);
}

} // namespace

void drawColourSymbol(QPainter& painter, int digit) {
    drawRimmed(painter, colourShape(digit));
}

void drawWildcardSymbol(QPainter& painter) {
    drawRimmed(painter, asterisk());
}

} // namespace assets
