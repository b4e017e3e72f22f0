// SPDX-License-Identifier: MIT
// The five square colours. The colour digit fixes both the hue and the size of a
// square's outline, so everything that draws a square looks its colour up here.
#pragma once

#include <QColor>

namespace assets {

struct SquareColour {
    QColor main;
    QColor shade; // the darker edge along both sides of the outline
};

inline constexpr int colourCount = 5;

inline SquareColour squareColour(int digit) {
    switch (digit) {
    case 0: return {QColor(224, 128, 192), QColor(128, 64, 128)};
    case 1: return {QColor(32, 192, 64), QColor(32, 96, 64)};
    case 2: return {QColor(224, 192, 0), QColor(128, 96, 0)};
    case 3: return {QColor(224, 32, 64), QColor(128, 0, 0)};
    default: return {QColor(0, 160, 192), QColor(0, 96, 128)};
    }
}

} // namespace assets
