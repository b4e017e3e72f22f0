// SPDX-License-Identifier: MIT
// The light-grey arrows of the arrow squares. The arrow body is one polygon; two
// round-joined strokes under its fill give it a dark outer rim and a mid-grey inner
// rim, so it stays readable over every outline colour it is drawn across.
#include "Arrows.h"

#include "SquareShapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace assets {
namespace {

const QColor bodyGrey(192, 192, 192);
const QColor innerRimGrey(128, 128, 128);
const QColor outerRimGrey(64, 64, 64);
constexpr qreal rimWidth = 1.0;

// The up arrow's body, pointing up with its tip at y = 5. With both rims it spans
// x 21.5..38.5 and y 3..24: 17 px wide, 21 px tall, centred on the square.
QPolygonF upArrowBody() {
    constexpr qreal mid = squareSide / 2.0;
    return QPolygonF({{mid, 5},
                      {mid + 6.5, 13},
                      {mid + 2, 13},
                      {mid + 2, 22},
                      {mid - 2, 22},
                      {mid - 2, 13},
                      {mid - 6.5, 13}});
}

QPolygonF mirroredVertically(const QPolygonF& polygon) {
    QPolygonF mirrored;
    for (const QPointF& p : polygon) mirrored << QPointF(p.x(), squareSide - p.y());
    return mirrored;
}

void drawArrow(QPainter& painter, const QPolygonF& body) {
    QPainterPath path;
    path.addPolygon(body);
    path.closeSubpath();
    painter.strokePath(path, QPen(outerRimGrey, 4 * rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(path, QPen(innerRimGrey, 2 * rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, bodyGrey);
}

} // namespace

void drawUpArrow(QPainter& painter) {
    drawArrow(painter, upArrowBody());
}

void drawDownArrow(QPainter& painter) {
    drawArrow(painter, mirroredVertically(upArrowBody()));
}

} // namespace assets
