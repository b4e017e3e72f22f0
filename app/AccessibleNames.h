// SPDX-License-Identifier: MIT
// What a screen reader says for a square: its colour and arrows ("green, arrow up",
// "yellow, arrows up and down"), "wildcard" or "empty", with ", marked" while it is marked
// for removal; and where it is ("row 3, column 4"). Translated where the game speaks the
// player's language.
#pragma once

#include <QString>

#include "board/Board.h"

namespace quadrelle::app {

QString accessibleNameOf(const Square& square);
QString accessiblePlaceOf(int index);

} // namespace quadrelle::app
