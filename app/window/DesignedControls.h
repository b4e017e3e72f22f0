// SPDX-License-Identifier: MIT
// The designed window built from the control table: its title, frame, size and icon, and
// every designed control placed, coloured and captioned as designed, with translated captions
// fitted to their boxes. The board's squares are made first, so the "Game Over" banner lies
// over them.
#pragma once

#include <array>

#include "screen/Screen.h"

class QLabel;
class QPushButton;
class QWidget;

namespace quadrelle::app {

class ClickableLabel;
class SquareWidget;
class StartLevelSpinner;

struct DesignedControls {
    std::array<SquareWidget*, play::kSquareCount> squares{};
    QLabel* comboText = nullptr;
    QLabel* comboCount = nullptr;
    QLabel* score = nullptr;
    ClickableLabel* clearHiScore = nullptr;
    QLabel* hiScore = nullptr;
    QLabel* level = nullptr;
    QLabel* left = nullptr;
    QLabel* removes = nullptr;
    QPushButton* newGame = nullptr;
    QLabel* startLevel = nullptr;
    StartLevelSpinner* startLevelSpinner = nullptr;
    QLabel* gameOver = nullptr;
};

void setUpDesignedWindow(QWidget& window);
DesignedControls buildDesignedControls(QWidget& window);

} // namespace quadrelle::app
