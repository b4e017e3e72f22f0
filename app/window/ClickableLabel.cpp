// SPDX-License-Identifier: MIT
// Click detection for ClickableLabel.
#include "window/ClickableLabel.h"

#include <QMouseEvent>

namespace quadrelle::app {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool wasPressed = pressed_;
    pressed_ = false;
    // A press that is dragged off the label before release is no click.
    if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}

} // namespace quadrelle::app
