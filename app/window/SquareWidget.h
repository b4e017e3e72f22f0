// SPDX-License-Identifier: MIT
// One of the 36 squares of the board: a 60 x 60 widget that shows a template picture at its
// natural size and reports mouse presses and releases as the game's input. The release goes
// to the square that got the press, because Qt grabs the mouse for the pressed widget.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <optional>

#include "screen/Screen.h"
#include "game/Input.h"

namespace quadrelle::app {

class SquareWidget : public QWidget {
    Q_OBJECT

public:
    SquareWidget(int index, QWidget* parent);

    // Repaints only when the picture is a different template or another set's copy of it.
    void showPicture(Picture picture, const QPixmap& pixmap);
    // The press and release of a plain left click in the upper half, for an assistive tool's
    // press action.
    void click();

signals:
    void pressed(quadrelle::Button button, quadrelle::Half half);
    void released(quadrelle::Button button, quadrelle::Half half);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<Picture> picture_;
    QPixmap pixmap_;
};

} // namespace quadrelle::app
