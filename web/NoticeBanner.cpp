// SPDX-License-Identifier: MIT
#include "NoticeBanner.h"

#include <algorithm>
#include <cmath>

#include "CaptionText.h"

namespace quadrelle::web {

namespace {

constexpr double kPadding = 8;
constexpr double kBottomGap = 12;
constexpr Colour kVeil{0, 0, 0, 200.0 / 255.0};
constexpr Colour kText{255, 255, 255};

} // namespace

void NoticeBanner::follow(const play::Notice& notice) {
    if (notice.number == numberShown_) return;
    numberShown_ = notice.number;
    text_ = notice.text;
    shown_ = true;
    alarm_.start(kShownMs);
}

void NoticeBanner::draw(Canvas2D& canvas) const {
    if (!shown_) return;
    const play::PixelRect first = play::squareRect(0);
    const play::PixelRect last = play::squareRect(play::kSquareCount - 1);
    const double areaLeft = first.x;
    const double areaWidth = last.x + last.width - first.x;
    const double areaBottom = last.y + last.height;

    const CaptionFont font{play::pixelSizeOf(play::FontSize::Pt14_25), false};
    canvas.setFont(font.css());
    // A long text, such as a hint in German, wraps within the board.
    const double textWidth = std::min(canvas.textWidth(text_), areaWidth - 4 * kPadding);
    const std::vector<std::string> lines = wrapWords(canvas, text_, textWidth);
    const FontMetrics metrics = canvas.fontMetrics(font.pixelSize);
    const double spacing = std::round(metrics.ascent) + std::round(metrics.descent);
    const double width = textWidth + 2 * kPadding;
    const double height = spacing * static_cast<double>(lines.size()) + kPadding;
    const double left = std::round(areaLeft + (areaWidth - width) / 2);
    const double top = areaBottom - kBottomGap - height;
    canvas.fillRect(left, top, width, height, kVeil);
    for (std::size_t i = 0; i < lines.size(); ++i)
        canvas.fillText(lines[i], left + width / 2,
                        top + kPadding / 2 + std::round(metrics.ascent) + spacing * static_cast<double>(i),
                        kText, TextAlign::Centre);
}

} // namespace quadrelle::web
