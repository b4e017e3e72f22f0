// SPDX-License-Identifier: MIT
// The board as one stop in the focus chain, drawn over the 36 squares: with the keyboard
// focus it frames the square under its cursor, moves the cursor with the arrow keys and
// turns keys into the clicks a mouse player makes. It also frames a hinted square with a badge
// for its move (step up, step down, colour search or eraser) for a couple of seconds; the
// hint is drawn over the cursor, so neither hides the other. The mouse passes straight through to the
// squares below, and a click never gives it the focus, so nothing changes for the mouse player.
#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

#include "input/Hint.h"

namespace quadrelle::app {

enum class KeyMove { Click, StepUp, StepDown, Search };

class BoardOverlay : public QWidget {
    Q_OBJECT

public:
    using NameOf = std::function<QString(int square)>;

    BoardOverlay(NameOf nameOf, QWidget* parent);

    int cursor() const { return cursor_; }
    void setCursor(int square);
    // The square under the cursor may have changed kind: say its new name.
    void refreshName();

    void showHint(const Hint& hint);
    void clearHint();
    std::optional<int> hintedSquare() const { return hint_ ? std::optional(hint_->square) : std::nullopt; }
    std::optional<Hint> hint() const { return hint_; }

signals:
    void keyMove(int square, KeyMove move);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool moveCursor(int key);
    QRectF frameAround(int square, int outset) const;
    void paintHint(QPainter& painter) const;

    NameOf nameOf_;
    int cursor_ = 0;
    std::optional<Hint> hint_;
    QTimer hintTimer_;
};

} // namespace quadrelle::app
