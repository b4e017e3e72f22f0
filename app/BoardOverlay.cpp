// SPDX-License-Identifier: MIT
// Keyboard play on the board, and the hint's frame.
#include "BoardOverlay.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "AccessibleNames.h"
#include "ControlLayout.h"
#include "board/Board.h"

namespace quadrelle::app {

namespace {

constexpr int kHintMs = 2000;
// The frame fills the 4 px gap around a square and reaches 1 px into it, so it reads on
// every picture, the blue outline along the square's edge among them.
constexpr int kFrameOutset = 3;
constexpr int kFrameWidth = 3;

QRect boardRect() {
    return squareRect(0).united(squareRect(kSquareCount - 1)).adjusted(-4, -4, 4, 4);
}

std::optional<KeyMove> moveOfKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyMove::Click;
    case Qt::Key_PageUp: return KeyMove::StepUp;
    case Qt::Key_PageDown: return KeyMove::StepDown;
    case Qt::Key_F: return KeyMove::Search;
    default: return std::nullopt;
    }
}

} // namespace

BoardOverlay::BoardOverlay(NameOf nameOf, QWidget* parent) : QWidget(parent), nameOf_(std::move(nameOf)) {
    setObjectName(QStringLiteral("Board"));
    setGeometry(boardRect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintMs);
    connect(&hintTimer_, &QTimer::timeout, this, &BoardOverlay::clearHint);
    setAccessibleName(tr("Board"));
    refreshName();
}

void BoardOverlay::setCursor(int square) {
    if (square < 0 || square >= kSquareCount || square == cursor_) return;
    cursor_ = square;
    refreshName();
    update();
}

void BoardOverlay::refreshName() {
    // The board keeps its name; its description says the square under the cursor.
    const QString square = accessibleSquareOf(nameOf_(cursor_), cursor_);
    if (accessibleDescription() == square) return;
    setAccessibleDescription(square);
    if (hasFocus()) {
        // A screen reader speaks the focused object's new description.
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void BoardOverlay::showHint(int square) {
    hint_ = square;
    noHint_ = false;
    hintTimer_.start();
    update();
}

void BoardOverlay::showNoHint() {
    hint_.reset();
    noHint_ = true;
    hintTimer_.start();
    update();
}

void BoardOverlay::clearHint() {
    hintTimer_.stop();
    hint_.reset();
    noHint_ = false;
    update();
}

void BoardOverlay::paintEvent(QPaintEvent*) {
    if (!hasFocus() && !hint_ && !noHint_) return;
    QPainter painter(this);
    if (hint_) paintFrame(painter, *hint_, QColor(255, 255, 255));
    if (hasFocus()) paintFrame(painter, cursor_, QColor(255, 224, 0));
    if (noHint_) {
        const QRect banner = rect().adjusted(40, height() / 2 - 24, -40, -(height() / 2 - 24));
        painter.fillRect(banner, QColor(0, 0, 0, 200));
        painter.setPen(Qt::white);
        painter.drawText(banner, Qt::AlignCenter | Qt::TextWordWrap, tr("No move reacts now"));
    }
}

void BoardOverlay::paintFrame(QPainter& painter, int square, const QColor& colour) const {
    const QRect cell = squareRect(square).translated(-geometry().topLeft());
    const QRectF frame =
        QRectF(cell).adjusted(-kFrameOutset + kFrameWidth / 2.0, -kFrameOutset + kFrameWidth / 2.0,
                              kFrameOutset - kFrameWidth / 2.0, kFrameOutset - kFrameWidth / 2.0);
    painter.setPen(QPen(colour, kFrameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
}

bool BoardOverlay::moveCursor(int key) {
    const int row = rowOf(cursor_);
    const int column = columnOf(cursor_);
    switch (key) {
    case Qt::Key_Left: setCursor(column > 0 ? cursor_ - 1 : cursor_); return true;
    case Qt::Key_Right: setCursor(column < kBoardSide - 1 ? cursor_ + 1 : cursor_); return true;
    case Qt::Key_Up: setCursor(row > 0 ? cursor_ - kBoardSide : cursor_); return true;
    case Qt::Key_Down: setCursor(row < kBoardSide - 1 ? cursor_ + kBoardSide : cursor_); return true;
    default: return false;
    }
}

void BoardOverlay::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~(Qt::KeypadModifier)) return QWidget::keyPressEvent(event);
    if (moveCursor(event->key())) return;
    if (const auto move = moveOfKey(*event)) {
        if (!event->isAutoRepeat()) emit keyMove(cursor_, *move);
        return;
    }
    QWidget::keyPressEvent(event);
}

void BoardOverlay::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    refreshName();
    update();
}

void BoardOverlay::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace quadrelle::app
