// SPDX-License-Identifier: MIT
// Placing a window beside another.
#include "dialogs/PlaceBeside.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>

namespace quadrelle::app {

namespace {

constexpr int kGap = 8;

// The place nearest to `wanted` where the whole window is on the screen, as far as it can be.
QPoint keptOn(const QRect& screen, const QSize& size, QPoint wanted) {
    const int x = std::max(screen.left(), std::min(wanted.x(), screen.right() + 1 - size.width()));
    const int y = std::max(screen.top(), std::min(wanted.y(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

} // namespace

QPoint placeBeside(const QRect& frame, const QSize& size, const QRect& screen) {
    const std::array<QPoint, 4> sides{
        keptOn(screen, size, {frame.right() + 1 + kGap, frame.top()}),
        keptOn(screen, size, {frame.left() - kGap - size.width(), frame.top()}),
        keptOn(screen, size, {frame.left(), frame.bottom() + 1 + kGap}),
        keptOn(screen, size, {frame.left(), frame.top() - kGap - size.height()}),
    };
    for (const QPoint& corner : sides)
        if (!QRect(corner, size).intersects(frame)) return corner;
    const bool rightHasMoreRoom = screen.right() - frame.right() >= frame.left() - screen.left();
    return rightHasMoreRoom ? sides[0] : sides[1];
}

void moveBeside(QWidget* window, const QWidget* anchor) {
    const QRect anchorFrame = anchor->frameGeometry();
    const QSize frameExtra = anchorFrame.size() - anchor->geometry().size();
    window->adjustSize();
    const QSize size = window->size() + frameExtra;
    window->move(placeBeside(anchorFrame, size, anchor->screen()->availableGeometry()));
}

} // namespace quadrelle::app
