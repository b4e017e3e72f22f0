// SPDX-License-Identifier: MIT
// A push button whose caption wraps onto several lines when it is wider than the button,
// as "New Game" does at its size. QPushButton itself draws its text on one line.
#pragma once

#include <QPushButton>

namespace quadrelle::app {

class NewGameButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // Where the caption is drawn: the style's contents area of the button, less a margin at
    // each side, so that a long translated caption shrunk to fit stays clear of the bevel.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quadrelle::app
