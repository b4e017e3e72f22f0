// The colour symbols. The shapes differ in outline rather than in size, so no two of
// them overlap by much even when both are drawn in the same spot: a disc, a triangle,
// a hollow square, a plus and a star, and a diamond for the wildcard.
#include "ColourSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace assets {
namespace {

// On whole pixels, so the straight edges stay sharp at 1x and 2x.
const QPointF centre(10, 10);
constexpr qreal rimWidth = 1.5;

QPainterPath polygonPath(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points.translated(centre));
    path.closeSubpath();
    return path;
}

QPainterPath disc() {
    QPainterPath path;
    path.addEllipse(centre, 6.5, 6.5);
    return path;
}

QPainterPath triangle() {
    return polygonPath(QPolygonF({{0, -7}, {7.5, 6}, {-7.5, 6}}));
}

QPainterPath hollowSquare() {
    QPainterPath path;
    path.addRect(QRectF(-6, -6, 12, 12).translated(centre));
    path.addRect(QRectF(-3, -3, 6, 6).translated(centre));
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

QPainterPath plus() {
    return polygonPath(QPolygonF({{-3, -7}, {3, -7}, {3, -3}, {7, -3}, {7, 3}, {3, 3},
                                  {3, 7}, {-3, 7}, {-3, 3}, {-7, 3}, {-7, -3}, {-3, -3}}));
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

QPainterPath diamond() {
    return polygonPath(QPolygonF({{0, -7.5}, {7.5, 0}, {0, 7.5}, {-7.5, 0}}));
}

QPainterPath colourShape(int digit) {
    switch (digit) {
    case 0:
        return disc();
    case 1:
        return triangle();
    case 2:
        return hollowSquare();
    case 3:
        return plus();
    default:
        return star();
    }
}

// The rim is stroked first and the shape filled over its inner half, so the white
// keeps its full size and a black band separates it from any colour beneath.
void drawRimmed(QPainter& painter, const QPainterPath& shape) {
    painter.strokePath(shape, QPen(Qt::black, 2 * rimWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.fillPath(shape, Qt::white);
}

} // namespace

void drawColourSymbol(QPainter& painter, int digit) {
    drawRimmed(painter, colourShape(digit));
}

void drawWildcardSymbol(QPainter& painter) {
    drawRimmed(painter, diamond());
}

} // namespace assets
