// SPDX-License-Identifier: MIT
// The colour symbols: one small white shape per colour, rimmed in black, drawn in the
// top-left corner of a square picture so that its colour can be told without seeing
// hue. The wildcard has a shape of its own.
#pragma once

class QPainter;

namespace assets {

void drawColourSymbol(QPainter& painter, int digit);
void drawWildcardSymbol(QPainter& painter);

} // namespace assets
