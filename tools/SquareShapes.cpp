// SPDX-License-Identifier: MIT
// The outline shapes that every square picture is built from. Each shape is filled
// twice, first in the shade colour and then one pixel inside in the main colour, so
// every edge carries a thin dark rim that keeps neighbouring colours apart.
#include "SquareShapes.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace assets {
namespace {

constexpr qreal rimWidth = 1.0;

// Sizes step by 8 px so the five outlines nest evenly inside one another; widths and
// heights are even so every straight edge lands on the pixel grid at 1x and 2x.
QRectF centredRect(qreal width, qreal height) {
    return {(squareSide - width) / 2, (squareSide - height) / 2, width, height};
}

QPainterPath roundedRectPath(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath ringPath(const QRectF& outer, qreal outerRadius, qreal width) {
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    QPainterPath ring = roundedRectPath(outer, outerRadius);
    ring.addPath(roundedRectPath(inner, std::max<qreal>(outerRadius - width, 1.0)));
    ring.setFillRule(Qt::OddEvenFill);
    return ring;
}

void fillRimmedRing(QPainter& painter, const OutlineGeometry& g, const SquareColour& colour) {
    painter.fillPath(ringPath(g.outer, g.radius, g.stroke), colour.shade);
    const QRectF inset = g.outer.adjusted(rimWidth, rimWidth, -rimWidth, -rimWidth);
    painter.fillPath(ringPath(inset, g.radius - rimWidth, g.stroke - 2 * rimWidth), colour.main);
}

void fillRimmedShape(QPainter& painter, const QRectF& rect, qreal radius, const SquareColour& colour) {
    painter.fillPath(roundedRectPath(rect, radius), colour.shade);
    const QRectF inset = rect.adjusted(rimWidth, rimWidth, -rimWidth, -rimWidth);
    painter.fillPath(roundedRectPath(inset, std::max<qreal>(radius - rimWidth, 0.0)), colour.main);
}

// Colour 0 is too small to break into bars, so its marked look is four dots.
void drawMarkedDot(QPainter& painter) {
    const SquareColour colour = squareColour(0);
    constexpr qreal diameter = 7;
    for (qreal x : {21.0, 32.0})
        for (qreal y : {21.0, 32.0})
            fillRimmedShape(painter, QRectF(x, y, diameter, diameter), diameter / 2, colour);
}

} // namespace

OutlineGeometry outlineGeometry(int digit) {
    switch (digit) {
    case 0: return {centredRect(22, 22), 9, 7}; // nearly filled: only a small hole is left
    case 1: return {centredRect(30, 30), 7, 8};
    case 2: return {centredRect(38, 36), 7, 10};
    case 3: return {centredRect(46, 44), 7, 11};
    default: return {centredRect(60, 60), 7, 12};
    }
}

void drawOutline(QPainter& painter, int digit) {
    fillRimmedRing(painter, outlineGeometry(digit), squareColour(digit));
}

// One bar per side, stopping short of the corner arcs so the corners stay black.
void drawMarkedOutline(QPainter& painter, int digit) {
    if (digit == 0) {
        drawMarkedDot(painter);
        return;
    }
    const OutlineGeometry g = outlineGeometry(digit);
    const SquareColour colour = squareColour(digit);
    const QRectF& o = g.outer;
    const qreal gap = g.radius + 1;
    const qreal capRadius = g.stroke / 2 - 1;
    const QRectF bars[] = {
        {o.left() + gap, o.top(), o.width() - 2 * gap, g.stroke},
        {o.left() + gap, o.bottom() - g.stroke, o.width() - 2 * gap, g.stroke},
        {o.left(), o.top() + gap, g.stroke, o.height() - 2 * gap},
        {o.right() - g.stroke, o.top() + gap, g.stroke, o.height() - 2 * gap},
    };
    for (const QRectF& bar : bars) fillRimmedShape(painter, bar, capRadius, colour);
}

// The wildcard: every colour at once, largest first, each band filling its outline
// so that together they cover the whole picture.
void drawNestedBands(QPainter& painter) {
    fillRimmedShape(painter, centredRect(squareSide, squareSide), 0, squareColour(4));
    for (int digit = colourCount - 2; digit >= 0; --digit) {
        const OutlineGeometry g = outlineGeometry(digit);
        fillRimmedShape(painter, g.outer, g.radius, squareColour(digit));
    }
}

} // namespace assets
