// SPDX-License-Identifier: MIT
// The outline shapes that every square picture is built from: the rounded square of
// each colour, its marked (broken) form, and the nested bands of the wildcard.
// All coordinates are in the 60 x 60 logical square; callers scale the painter.
#pragma once

#include <QRectF>

class QPainter;

namespace assets {

inline constexpr int squareSide = 60;

struct OutlineGeometry {
    QRectF outer; // outer edge of the outline
    qreal stroke; // width of the outline band
    qreal radius; // corner radius of the outer edge
};

OutlineGeometry outlineGeometry(int digit);

void drawOutline(QPainter& painter, int digit);
void drawMarkedOutline(QPainter& painter, int digit);
void drawNestedBands(QPainter& painter);

} // namespace assets
