// SPDX-License-Identifier: MIT
// Asking the player for a game number to play: any whole number from 0 to 18446744073709551615.
#pragma once

#include <QString>

#include <optional>

#include "game/GameNumber.h"

class QWidget;

namespace quadrelle::app {

// The number a text names, or nothing; surrounding spaces are allowed.
std::optional<GameNumber> parseGameNumber(const QString& text);

// Nothing when the player cancels.
std::optional<GameNumber> askForGameNumber(QWidget* parent, GameNumber current);

} // namespace quadrelle::app
