// SPDX-License-Identifier: MIT
// Fitting a translated caption into a control sized for the English one: the font keeps its
// family and weight and only gets smaller, down to a size that can still be read.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace quadrelle::app {

inline constexpr int kSmallestFittedPixelSize = 8;

// Whether the text fits the box: its width on one line, or, word-wrapped, every line's width
// and the height of all lines together.
bool textFits(const QFont& font, const QString& text, QSize box, bool wordWrap);

// The font at the largest pixel size, not above its own, at which the text fits the box; at
// the smallest size when none fits.
QFont fittedFont(const QFont& font, const QString& text, QSize box, bool wordWrap);

} // namespace quadrelle::app
