// SPDX-License-Identifier: MIT
// Drawn as the desktop's Fusion style draws a bar 17 by 31 pixels: two arrow buttons of 13
// rows, and between them a handle of three rows that fills the groove.
#include "StartLevelSpinner.h"

#include "FocusColour.h"

namespace quadrelle::web {

namespace {

constexpr int kArrowButtonHeight = 13;
constexpr Colour kFaceLeft{254, 254, 254};
constexpr Colour kFaceRight{241, 241, 241};
constexpr Colour kHeldLeft{216, 216, 216};
constexpr Colour kHeldRight{206, 206, 206};
constexpr Colour kEdge{67, 67, 67};
constexpr Colour kSeparator{75, 75, 75};
constexpr Colour kArrow{92, 92, 92};

void drawArrow(Canvas2D& canvas, double centreX, double baseY, double tipY) {
    canvas.fillPolygon({{centreX - 4, baseY}, {centreX + 4, baseY}, {centreX, tipY}}, kArrow);
}

} // namespace

std::optional<SpinnerArrow> spinnerArrowAt(play::PixelRect s, Point p) {
    if (p.x < s.x || p.x >= s.x + s.width || p.y < s.y || p.y >= s.y + s.height) return std::nullopt;
    if (p.y < s.y + kArrowButtonHeight) return SpinnerArrow::Raise;
    if (p.y >= s.y + s.height - kArrowButtonHeight) return SpinnerArrow::Lower;
    return std::nullopt;
}

void drawStartLevelSpinner(Canvas2D& canvas, play::PixelRect s, SpinnerLook look) {
    canvas.fillGradientRect(s.x, s.y, s.width, s.height, kFaceLeft, kFaceRight, false);
    const double lowerTop = s.y + s.height - kArrowButtonHeight;
    if (look.held) {
        const double top = *look.held == SpinnerArrow::Raise ? s.y : lowerTop;
        canvas.fillGradientRect(s.x, top, s.width, kArrowButtonHeight, kHeldLeft, kHeldRight, false);
    }
    canvas.fillRect(s.x, s.y, 1, s.height, kEdge);
    canvas.fillRect(s.x, s.y + kArrowButtonHeight, s.width, 1, kSeparator);
    canvas.fillRect(s.x, lowerTop - 1, s.width, 1, kSeparator);
    const double centreX = s.x + s.width / 2.0;
    drawArrow(canvas, centreX, s.y + 8, s.y + 4);
    drawArrow(canvas, centreX, lowerTop + 5, lowerTop + 9);
    // A ring just outside the bar while it has the keyboard focus.
    if (look.focused) canvas.strokeRect(s.x - 1.5, s.y - 1.5, s.width + 3, s.height + 3, kFocusColour, 1);
}

} // namespace quadrelle::web
