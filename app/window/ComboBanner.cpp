// SPDX-License-Identifier: MIT
// Fitting the combo count to the end of its caption.
#include "window/ComboBanner.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QRegion>
#include <cmath>

namespace quadrelle::app {

void layOutComboBanner(const QLabel& caption, QLabel& count) {
    const qreal captionTextEnd = caption.x() + caption.contentsRect().left() +
                                 QFontMetricsF(caption.font()).horizontalAdvance(caption.text());
    const int covered = static_cast<int>(std::ceil(captionTextEnd - count.x()));
    // A margin, not QLabel's indent, which would push top-aligned text down as well.
    count.setContentsMargins(covered, 0, 0, 0);
    // The count's grey starts with its text, so none of it lies over the caption's "x".
    count.setMask(QRegion(covered, 0, count.width() - covered, count.height()));
}

} // namespace quadrelle::app
