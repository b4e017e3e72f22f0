// SPDX-License-Identifier: MIT
#include "CaptionText.h"

#include <algorithm>
#include <cmath>

namespace quadrelle::web {

std::string CaptionFont::css() const {
    return std::string(bold ? "bold " : "") + std::to_string(pixelSize) + "px " + kCaptionFamilies;
}

std::vector<std::string> wrapWords(Canvas2D& canvas, std::string_view text, double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        const std::string longer = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && canvas.textWidth(longer) > width) {
            lines.push_back(std::move(line));
            line = std::string(word);
        } else {
            line = longer;
        }
    }
    if (!line.empty() || lines.empty()) lines.push_back(std::move(line));
    return lines;
}

double lineSpacing(Canvas2D& canvas, const CaptionFont& font) {
    canvas.setFont(font.css());
    const FontMetrics metrics = canvas.fontMetrics(font.pixelSize);
    return std::round(metrics.ascent) + std::round(metrics.descent);
}

bool captionFits(Canvas2D& canvas, const CaptionFont& font, std::string_view text, double width, double height,
                 bool wordWrap) {
    canvas.setFont(font.css());
    if (!wordWrap) return canvas.textWidth(text) <= width;
    const std::vector<std::string> lines = wrapWords(canvas, text, width);
    double widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, canvas.textWidth(line));
    return widest <= width && static_cast<double>(lines.size()) * lineSpacing(canvas, font) <= height;
}

CaptionFont fittedFont(Canvas2D& canvas, CaptionFont font, std::string_view text, double width, double height,
                       bool wordWrap) {
    while (font.pixelSize > kSmallestFittedPixelSize && !captionFits(canvas, font, text, width, height, wordWrap))
        --font.pixelSize;
    return font;
}

} // namespace quadrelle::web
