// SPDX-License-Identifier: MIT
// A short notice over the window, such as "Sound off", for what a key changed without a mark
// of its own on the screen. It shows for a moment and goes, lets the mouse through to the
// squares below, and is a notification that a screen reader speaks as it appears.
#pragma once

#include <QLabel>
#include <QTimer>

namespace quadrelle::app {

class Notice : public QLabel {
    Q_OBJECT

public:
    static constexpr int kShownMs = 1500;

    // The notice stands centred near the bottom of `area`, given in the parent's coordinates.
    Notice(QRect area, QWidget* parent);

    // Shows the text for kShownMs; a notice still showing gives way to the new one.
    void showNotice(const QString& text);

private:
    QRect area_;
    QTimer hideTimer_;
};

} // namespace quadrelle::app
