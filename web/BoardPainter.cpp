// SPDX-License-Identifier: MIT
#include "BoardPainter.h"

#include "FocusColour.h"

namespace quadrelle::web {

namespace {

using play::HintMove;

// A frame fills the 4 px gap around a square and reaches 1 px into it, so it reads on every
// picture. On the cursor's square the hint's frame lies just inside the cursor's.
constexpr double kFrameOutset = 3;
constexpr double kInnerFrameOutset = 0;
constexpr double kFrameWidth = 3;
constexpr double kBadgeSize = 18;
constexpr Colour kHintColour{255, 255, 255};
constexpr Colour kBlack{0, 0, 0};

struct Frame {
    double x, y, width, height;
};

// The rectangle a frame's pen follows, so its outer edge lies `outset` px outside the square.
Frame frameAround(int square, double outset) {
    const play::PixelRect cell = play::squareRect(square);
    const double edge = outset - kFrameWidth / 2;
    return {cell.x - edge, cell.y - edge, cell.width + 2 * edge, cell.height + 2 * edge};
}

void drawBadge(Canvas2D& canvas, const Frame& frame, HintMove move) {
    const double left = frame.x + frame.width - kBadgeSize;
    canvas.fillRect(left, frame.y, kBadgeSize, kBadgeSize, kHintColour);
    const Point c{left + kBadgeSize / 2, frame.y + kBadgeSize / 2};
    const double r = kBadgeSize * 0.3;
    switch (move) {
    case HintMove::StepUp:
    case HintMove::StepDown: {
        const double tip = move == HintMove::StepUp ? -r : r;
        canvas.fillPolygon({{c.x - r, c.y - tip * 0.8}, {c.x + r, c.y - tip * 0.8}, {c.x, c.y + tip}},
                           kBlack);
        break;
    }
    case HintMove::Search:
        canvas.strokeCircle({c.x - 2, c.y - 2}, r * 0.8, kBlack, 2);
        canvas.strokeLine({c.x + 1.5, c.y + 1.5}, {c.x + r + 1, c.y + r + 1}, kBlack, 2);
        break;
    case HintMove::Erase:
        canvas.strokeLine({c.x - r, c.y - r}, {c.x + r, c.y + r}, kBlack, 2.5);
        canvas.strokeLine({c.x - r, c.y + r}, {c.x + r, c.y - r}, kBlack, 2.5);
        break;
    }
}

} // namespace

std::optional<int> squareAt(Point point) {
    for (int square = 0; square < play::kSquareCount; ++square) {
        const play::PixelRect r = play::squareRect(square);
        if (point.x >= r.x && point.x < r.x + r.width && point.y >= r.y && point.y < r.y + r.height)
            return square;
    }
    return std::nullopt;
}

void drawSquares(Canvas2D& canvas, const play::Screen& screen, const SquarePictures& pictures) {
    for (int square = 0; square < play::kSquareCount; ++square) {
        const play::PixelRect r = play::squareRect(square);
        canvas.fillRect(r.x, r.y, r.width, r.height, kBlack);
        if (const auto picture = pictures.pictureOf(screen.pictures[static_cast<std::size_t>(square)]))
            canvas.drawImagePart(picture->sheet, picture->part, r.x, r.y, r.width, r.height);
    }
}

void drawBoardMarks(Canvas2D& canvas, const play::Screen& screen, bool boardFocused) {
    if (boardFocused) {
        const Frame f = frameAround(screen.cursor, kFrameOutset);
        canvas.strokeRect(f.x, f.y, f.width, f.height, kFocusColour, kFrameWidth);
    }
    if (!screen.hint) return;
    const bool onCursor = boardFocused && screen.hint->square == screen.cursor;
    const Frame f = frameAround(screen.hint->square, onCursor ? kInnerFrameOutset : kFrameOutset);
    canvas.strokeRect(f.x, f.y, f.width, f.height, kHintColour, kFrameWidth);
    drawBadge(canvas, f, screen.hint->move);
}

} // namespace quadrelle::web
