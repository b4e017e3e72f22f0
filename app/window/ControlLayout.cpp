// SPDX-License-Identifier: MIT
#include "window/ControlLayout.h"

namespace quadrelle::app {

namespace {

QRect qtRectOf(play::PixelRect rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

} // namespace

QColor qtColourOf(ColourRole role) {
    const auto rgb = play::colourOf(role);
    return rgb ? QColor(rgb->red, rgb->green, rgb->blue) : QColor();
}

QRect qtPixelsOf(TwipsRect twips) {
    return qtRectOf(play::pixelsOf(twips));
}

QRect squareRect(int index) {
    return qtRectOf(play::squareRect(index));
}

Qt::Alignment alignmentOf(play::Align align) {
    switch (align) {
    case play::Align::None: break;
    case play::Align::Left: return Qt::AlignLeft | Qt::AlignTop;
    case play::Align::Right: return Qt::AlignRight | Qt::AlignTop;
    case play::Align::Centre: return Qt::AlignHCenter | Qt::AlignTop;
    case play::Align::ButtonCentre: return Qt::AlignCenter;
    }
    return {};
}

} // namespace quadrelle::app
