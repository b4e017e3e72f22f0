// SPDX-License-Identifier: MIT
// Fitting the combo count to the end of its caption, once the banner is about to show.
#include "window/ComboBanner.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QRegion>
#include <cmath>

namespace quadrelle::app {

namespace {

void fitCountToCaption(const QLabel& caption, QLabel& count) {
    const qreal captionTextEnd = caption.x() + caption.contentsRect().left() +
                                 QFontMetricsF(caption.font()).horizontalAdvance(caption.text());
    const int covered = static_cast<int>(std::ceil(captionTextEnd - count.x()));
    // A margin, not QLabel's indent, which would push top-aligned text down as well.
    count.setContentsMargins(covered, 0, 0, 0);
    // The count's grey starts with its text, so none of it lies over the caption's "x".
    count.setMask(QRegion(covered, 0, count.width() - covered, count.height()));
}

// Measuring the caption is the program's first use of the font database, which takes some
// milliseconds to set up. The banner is hidden when the game starts, so the measuring waits
// until the count is about to show (polished or shown while not hidden): at the first combo,
// after the window's first frame.
class FitWhenShown : public QObject {
public:
    FitWhenShown(const QLabel& caption, QLabel& count) : QObject(&count), caption_(caption), count_(count) {}

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::ShowToParent:
        case QEvent::Show:
            if (!count_.isHidden()) {
                count_.removeEventFilter(this);
                fitCountToCaption(caption_, count_);
                deleteLater();
            }
            break;
        default: break;
        }
        return false;
    }

private:
    const QLabel& caption_;
    QLabel& count_;
};

} // namespace

void layOutComboBanner(const QLabel& caption, QLabel& count) {
    count.installEventFilter(new FitWhenShown(caption, count));
}

} // namespace quadrelle::app
