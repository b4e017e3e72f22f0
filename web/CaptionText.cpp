// SPDX-License-Identifier: MIT
#include "CaptionText.h"

#include <algorithm>
#include <cmath>

namespace quadrelle::web {

std::string CaptionFont::css() const {
    return std::string(bold ? "bold " : "") + std::to_string(pixelSize) + "px " + kCaptionFamilies;
}

namespace {

constexpr std::string_view kSoftHyphen = "\u00AD";

// A caption cut where a line may break: after a space, or at a soft hyphen, which shows as a
// hyphen only where the line breaks.
struct Piece {
    std::string text;
    bool softBreak;
};

std::vector<Piece> piecesOf(std::string_view text) {
    std::vector<Piece> pieces;
    std::string piece;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at).starts_with(kSoftHyphen)) {
            pieces.push_back({std::move(piece), true});
            piece.clear();
            at += kSoftHyphen.size();
        } else if (text[at] == ' ') {
            if (!piece.empty()) pieces.push_back({std::move(piece), false});
            piece.clear();
            ++at;
        } else {
            piece += text[at++];
        }
    }
    if (!piece.empty() || pieces.empty()) pieces.push_back({std::move(piece), false});
    return pieces;
}

} // namespace

std::string withoutSoftHyphens(std::string_view text) {
    std::string plain;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at).starts_with(kSoftHyphen)) {
            at += kSoftHyphen.size();
        } else {
            plain += text[at++];
        }
    }
    return plain;
}

std::vector<std::string> wrapWords(Canvas2D& canvas, std::string_view text, double width) {
    const std::vector<Piece> pieces = piecesOf(text);
    std::vector<std::string> lines;
    std::string line = pieces.front().text;
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        const bool afterSoftBreak = pieces[i - 1].softBreak;
        const std::string longer = line + (afterSoftBreak ? "" : " ") + pieces[i].text;
        if (canvas.textWidth(longer) > width) {
            lines.push_back(afterSoftBreak ? line + "-" : line);
            line = pieces[i].text;
        } else {
            line = longer;
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

double lineSpacing(Canvas2D& canvas, const CaptionFont& font) {
    canvas.setFont(font.css());
    const FontMetrics metrics = canvas.fontMetrics(font.pixelSize);
    return std::round(metrics.ascent) + std::round(metrics.descent);
}

bool captionFits(Canvas2D& canvas, const CaptionFont& font, std::string_view text, double width,
                 double height, bool wordWrap) {
    canvas.setFont(font.css());
    if (!wordWrap) return canvas.textWidth(withoutSoftHyphens(text)) <= width;
    const std::vector<std::string> lines = wrapWords(canvas, text, width);
    double widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, canvas.textWidth(line));
    return widest <= width && static_cast<double>(lines.size()) * lineSpacing(canvas, font) <= height;
}

CaptionFont fittedFont(Canvas2D& canvas, CaptionFont font, std::string_view text, double width, double height,
                       bool wordWrap) {
    while (font.pixelSize > kSmallestFittedPixelSize &&
           !captionFits(canvas, font, text, width, height, wordWrap))
        --font.pixelSize;
    return font;
}

} // namespace quadrelle::web
