// SPDX-License-Identifier: MIT
// Measuring and shrinking caption fonts.
#include "window/FitText.h"

#include <QFontMetrics>
#include <QRect>

#include <limits>

namespace quadrelle::app {

bool textFits(const QFont& font, const QString& text, QSize box, bool wordWrap) {
    const QFontMetrics metrics(font);
    if (!wordWrap) return metrics.horizontalAdvance(text) <= box.width();
    // A word longer than the box stays on one line and overflows it, which the width shows.
    const QRect unbounded(0, 0, box.width(), std::numeric_limits<int>::max() / 2);
    const QRect wrapped = metrics.boundingRect(unbounded, Qt::TextWordWrap, text);
    return wrapped.width() <= box.width() && wrapped.height() <= box.height();
}

QFont fittedFont(const QFont& font, const QString& text, QSize box, bool wordWrap) {
    QFont fitted = font;
    int pixels = font.pixelSize();
    while (pixels > kSmallestFittedPixelSize && !textFits(fitted, text, box, wordWrap))
        fitted.setPixelSize(--pixels);
    return fitted;
}

} // namespace quadrelle::app
