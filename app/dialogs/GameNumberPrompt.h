// SPDX-License-Identifier: MIT
// Asking the player for a game number to play: any whole number from 0 to 18446744073709551615,
// read exactly as `--game` reads it. The prompt says what is wrong with the entry and keeps OK
// disabled until the entry is a game number; only OK or Cancel closes it.
#pragma once

#include <QDialog>
#include <QString>

#include <optional>

#include "game/GameNumber.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quadrelle::app {

// The number a text names, or nothing; surrounding spaces are allowed.
std::optional<GameNumber> parseGameNumber(const QString& text);

// What is wrong with a text as a game number, in the player's words; empty when it is one.
QString gameNumberProblem(const QString& text);

class GameNumberPrompt : public QDialog {
    Q_OBJECT

public:
    GameNumberPrompt(GameNumber current, QWidget* parent);

    // The number entered; nothing until the entry is one.
    std::optional<GameNumber> number() const;

private:
    void check();

    QLineEdit* entry_;
    QLabel* problem_;
    QPushButton* ok_;
};

// Nothing when the player cancels.
std::optional<GameNumber> askForGameNumber(QWidget* parent, GameNumber current);

} // namespace quadrelle::app
