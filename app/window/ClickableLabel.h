// SPDX-License-Identifier: MIT
// A label that reports a click: a left-button press and release over it, as the "[x]" label
// that clears the high score needs.
#pragma once

#include <QLabel>

namespace quadrelle::app {

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace quadrelle::app
