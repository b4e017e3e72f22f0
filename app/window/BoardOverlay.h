// SPDX-License-Identifier: MIT
// The board as one stop in the focus chain, drawn over the 36 squares: with the keyboard
// focus it frames the square under the cursor and turns the board's keys into the play
// layer's board keys. It also frames a hinted square with a badge for its move (step up, step
// down, colour search or eraser); the hint is drawn over the cursor, so neither hides the
// other. The mouse passes straight through to the squares below, and a click never gives it
// the focus, so nothing changes for the mouse player.
#pragma once

#include <QWidget>

#include <functional>
#include <optional>

#include "screen/Screen.h"
#include "session/BoardKeys.h"

namespace quadrelle::app {

class BoardOverlay : public QWidget {
    Q_OBJECT

public:
    using NameOf = std::function<QString(int square)>;

    BoardOverlay(NameOf nameOf, QWidget* parent);

    int cursor() const { return cursor_; }
    void setCursor(int square);
    // The square under the cursor may have changed kind: say its new name.
    void refreshName();

    void setHint(const std::optional<play::Hint>& hint);
    std::optional<int> hintedSquare() const { return hint_ ? std::optional(hint_->square) : std::nullopt; }
    std::optional<play::Hint> hint() const { return hint_; }

signals:
    void keyPressed(play::BoardKey key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRectF frameAround(int square, int outset) const;
    void paintHint(QPainter& painter) const;

    NameOf nameOf_;
    int cursor_ = 0;
    std::optional<play::Hint> hint_;
};

} // namespace quadrelle::app
