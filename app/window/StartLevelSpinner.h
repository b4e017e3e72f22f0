// SPDX-License-Identifier: MIT
// The start-level spinner: the designed vertical scroll bar, only tall enough for its two
// arrows, whose value runs from 1 at the top to 9 at the bottom, the opposite way to the start
// level it chooses. Outside it speaks in start levels only, so the window and a screen reader
// never see the flipped value. A frame around it shows when it has the keyboard focus, since
// the bar is too small to draw one inside.
#pragma once

#include <QScrollBar>

namespace quadrelle::app {

class StartLevelSpinner : public QScrollBar {
    Q_OBJECT

public:
    explicit StartLevelSpinner(QWidget* parent);

    int startLevel() const;
    // Clamped to the levels; emits startLevelChanged when the level changes.
    void setStartLevel(int level);
    // One level up or down, as the top and the bottom arrow do; nothing past either end.
    void raiseStartLevel();
    void lowerStartLevel();

signals:
    void startLevelChanged(int level);
};

} // namespace quadrelle::app
