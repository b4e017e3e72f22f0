// SPDX-License-Identifier: MIT
#include "NewGameButton.h"

#include <cmath>

#include "FocusColour.h"

namespace quadrelle::web {

namespace {

constexpr Colour kOutline{0, 0, 0};
constexpr Colour kFaceTop{254, 254, 254};
constexpr Colour kFaceBottom{237, 237, 237};
constexpr Colour kDownTop{222, 222, 222};
constexpr Colour kDownBottom{232, 232, 232};
constexpr Colour kCaption{0, 0, 0};
// The style's frame, and the caption's own margin at the sides.
constexpr int kFrame = 2;
constexpr int kSideMargin = 3;
// A pressed button's caption moves this far right and down.
constexpr int kDownShift = 1;

} // namespace

play::PixelRect buttonCaptionRect(play::PixelRect b) {
    return {b.x + kFrame + kSideMargin, b.y + kFrame, b.width - 2 * (kFrame + kSideMargin),
            b.height - 2 * kFrame};
}

void drawNewGameButton(Canvas2D& canvas, play::PixelRect b, std::string_view caption, const CaptionFont& font,
                       ButtonLook look) {
    canvas.fillGradientRect(b.x, b.y, b.width, b.height, kOutline, kOutline, true, 2.5);
    canvas.fillGradientRect(b.x + 1, b.y + 1, b.width - 2, b.height - 2, look.down ? kDownTop : kFaceTop,
                            look.down ? kDownBottom : kFaceBottom, true, 1.5);
    if (look.focused) canvas.strokeRect(b.x + 2.5, b.y + 2.5, b.width - 5, b.height - 5, kFocusColour, 1);

    play::PixelRect text = buttonCaptionRect(b);
    if (look.down) {
        text.x += kDownShift;
        text.y += kDownShift;
    }
    canvas.setFont(font.css());
    const std::vector<std::string> lines = wrapWords(canvas, caption, text.width);
    const FontMetrics metrics = canvas.fontMetrics(font.pixelSize);
    const double spacing = std::round(metrics.ascent) + std::round(metrics.descent);
    const double top = std::round(text.y + (text.height - spacing * static_cast<double>(lines.size())) / 2);
    canvas.save();
    canvas.clipTo(b.x + 1, b.y + 1, b.width - 2, b.height - 2);
    for (std::size_t i = 0; i < lines.size(); ++i)
        canvas.fillText(lines[i], text.x + text.width / 2.0,
                        top + std::round(metrics.ascent) + spacing * static_cast<double>(i), kCaption,
                        TextAlign::Centre);
    canvas.restore();
}

} // namespace quadrelle::web
