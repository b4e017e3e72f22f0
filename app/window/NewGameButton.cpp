// SPDX-License-Identifier: MIT
// Drawing the button's bevel and focus frame from the style, and its caption word-wrapped.
#include "window/NewGameButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quadrelle::app {

QRect NewGameButton::captionRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    constexpr int kSideMargin = 3;
    return style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
        .adjusted(kSideMargin, 0, -kSideMargin, 0);
}

void NewGameButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect textRect = captionRect();
    if (isDown()) {
        textRect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

} // namespace quadrelle::app
