// The colour symbols: one small white shape per colour, rimmed in black, drawn in the
// top-left corner of a square picture so that its colour can be told without seeing
// hue. The wildcard has a shape of its own.
#pragma once

#include <QRectF>

class QPainter;

namespace assets {

// The corner the symbols are drawn in, rim included, in the 60 x 60 logical square:
// left of the centred arrows and clear of the smallest outline.
inline constexpr QRectF symbolArea(0, 0, 20, 20);

void drawColourSymbol(QPainter& painter, int digit);
void drawWildcardSymbol(QPainter& painter);

} // namespace assets
