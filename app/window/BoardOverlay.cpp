// SPDX-License-Identifier: MIT
// Keyboard play on the board, and the hint's frame.
#include "window/BoardOverlay.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "window/AccessibleNames.h"
#include "window/ControlLayout.h"
#include "platform/Translations.h"
#include "screen/WindowTexts.h"

namespace quadrelle::app {

namespace {

using play::HintMove;
using play::kSquareCount;

// The frame fills the 4 px gap around a square and reaches 1 px into it, so it reads on
// every picture, the blue outline along the square's edge among them.
constexpr int kFrameOutset = 3;
constexpr int kFrameWidth = 3;
// On the cursor's square the hint's frame lies just inside the cursor's.
constexpr int kInnerFrameOutset = 0;
constexpr int kBadgeSize = 18;
const QColor kHintColour(255, 255, 255);

QRect boardRect() {
    return squareRect(0).united(squareRect(kSquareCount - 1)).adjusted(-4, -4, 4, 4);
}

std::optional<play::BoardKey> boardKeyOf(const QKeyEvent& event) {
    using enum play::BoardKey;
    switch (event.key()) {
    case Qt::Key_Left: return Left;
    case Qt::Key_Right: return Right;
    case Qt::Key_Up: return Up;
    case Qt::Key_Down: return Down;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return Click;
    case Qt::Key_PageUp: return StepUp;
    case Qt::Key_PageDown: return StepDown;
    case Qt::Key_F: return Search;
    default: return std::nullopt;
    }
}

bool movesTheCursor(play::BoardKey key) {
    using enum play::BoardKey;
    return key == Left || key == Right || key == Up || key == Down;
}

} // namespace

BoardOverlay::BoardOverlay(NameOf nameOf, QWidget* parent) : QWidget(parent), nameOf_(std::move(nameOf)) {
    setObjectName(QStringLiteral("Board"));
    setGeometry(boardRect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QString::fromStdString(play::boardName(gameLanguage())));
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

void BoardOverlay::setHint(const std::optional<play::Hint>& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    update();
}

void BoardOverlay::paintEvent(QPaintEvent*) {
    if (!hasFocus() && !hint_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    if (hasFocus()) {
        painter.setPen(QPen(kFocusColour, kFrameWidth));
        painter.drawRect(frameAround(cursor_, kFrameOutset));
    }
    if (hint_) paintHint(painter);
}

// The rectangle a frame's pen follows, so its outer edge lies `outset` px outside the square.
QRectF BoardOverlay::frameAround(int square, int outset) const {
    const QRectF cell = QRectF(squareRect(square).translated(-geometry().topLeft()));
    const qreal edge = outset - kFrameWidth / 2.0;
    return cell.adjusted(-edge, -edge, edge, edge);
}

// A white frame, and in the square's top right corner a badge naming the move: an arrow up or
// down for a step, a magnifying glass for the colour search, a cross for the eraser.
void BoardOverlay::paintHint(QPainter& painter) const {
    const bool onCursor = hasFocus() && hint_->square == cursor_;
    const QRectF frame = frameAround(hint_->square, onCursor ? kInnerFrameOutset : kFrameOutset);
    painter.setPen(QPen(kHintColour, kFrameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);

    const QRectF badge(frame.right() - kBadgeSize, frame.top(), kBadgeSize, kBadgeSize);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHintColour);
    painter.drawRect(badge);
    const QPointF c = badge.center();
    const qreal r = kBadgeSize * 0.3;
    switch (hint_->move) {
    case HintMove::StepUp:
    case HintMove::StepDown: {
        const qreal tip = hint_->move == HintMove::StepUp ? -r : r;
        painter.setBrush(Qt::black);
        painter.drawPolygon(QPolygonF{{c.x() - r, c.y() - tip * 0.8}, {c.x() + r, c.y() - tip * 0.8},
                                      {c.x(), c.y() + tip}});
        break;
    }
    case HintMove::Search:
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(c + QPointF(-2, -2), r * 0.8, r * 0.8);
        painter.drawLine(c + QPointF(1.5, 1.5), c + QPointF(r + 1, r + 1));
        break;
    case HintMove::Erase:
        painter.setPen(QPen(Qt::black, 2.5));
        painter.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
        painter.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
        break;
    }
}

void BoardOverlay::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~(Qt::KeypadModifier)) return QWidget::keyPressEvent(event);
    const auto key = boardKeyOf(*event);
    if (!key) return QWidget::keyPressEvent(event);
    // Held down, the cursor keys repeat; a move is made once per press.
    if (movesTheCursor(*key) || !event->isAutoRepeat()) emit keyPressed(*key);
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
