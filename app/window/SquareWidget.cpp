// SPDX-License-Identifier: MIT
// Drawing a square's picture and turning Qt mouse events into the game's press and release.
#include "window/SquareWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "window/ControlLayout.h"
#include "window/MouseArguments.h"

namespace quadrelle::app {

SquareWidget::SquareWidget(int index, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sq%1").arg(index));
    setGeometry(squareRect(index));
    setFocusPolicy(Qt::NoFocus);
    // A right click here is a colour search, never the window's menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // Every picture covers the whole square, so nothing below needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SquareWidget::showPicture(Picture picture, const QPixmap& pixmap) {
    if (picture_ == picture && pixmap_.cacheKey() == pixmap.cacheKey()) return;
    picture_ = picture;
    pixmap_ = pixmap;
    update();
}

void SquareWidget::click() {
    emit pressed(Button::Plain, Half::Upper);
    emit released(Button::Plain, Half::Upper);
}

void SquareWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!pixmap_.isNull()) painter.drawPixmap(0, 0, pixmap_);
}

void SquareWidget::mousePressEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button(), event->modifiers());
    if (!button) return QWidget::mousePressEvent(event);
    emit pressed(*button, halfAt(twipsFromPixels(event->position().y())));
}

void SquareWidget::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button(), event->modifiers());
    if (!button) return QWidget::mouseReleaseEvent(event);
    emit released(*button, halfAt(twipsFromPixels(event->position().y())));
}

} // namespace quadrelle::app
