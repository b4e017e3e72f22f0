// SPDX-License-Identifier: MIT
// Captions as the designed labels show them: the typewriter face at a pixel size, a line at
// the top of the label or words wrapped onto lines, and a translated caption shrunk until it
// fits its label.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Canvas2D.h"

namespace quadrelle::web {

// The served copy of Liberation Mono comes first, so every browser measures the same face.
inline constexpr auto kCaptionFamilies = R"("Liberation Mono", "Courier New", monospace)";
// No caption is shrunk below this size.
inline constexpr int kSmallestFittedPixelSize = 8;

struct CaptionFont {
    int pixelSize = 13;
    bool bold = false;

    std::string css() const;
};

// The lines a caption takes in a box that wide: words move to the next line when the line
// would be too wide; a word wider than the box stands on a line of its own. A soft hyphen is
// a place to break too, shown as a hyphen where the line breaks and not at all elsewhere.
std::vector<std::string> wrapWords(Canvas2D& canvas, std::string_view text, double width);

std::string withoutSoftHyphens(std::string_view text);

// The gap from one line's baseline to the next.
double lineSpacing(Canvas2D& canvas, const CaptionFont& font);

bool captionFits(Canvas2D& canvas, const CaptionFont& font, std::string_view text, double width,
                 double height, bool wordWrap);
// The largest size up to the font's own at which the caption fits.
CaptionFont fittedFont(Canvas2D& canvas, CaptionFont font, std::string_view text, double width, double height,
                       bool wordWrap);

} // namespace quadrelle::web
