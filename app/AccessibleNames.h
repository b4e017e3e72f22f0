// SPDX-License-Identifier: MIT
// What a screen reader says for a square: its colour and arrows ("green, arrow up",
// "yellow, arrows up and down"), "wildcard" or "empty", with ", marked" while it is marked
// for removal; and where it is ("row 3, column 4"), alone or after the name. Translated
// where the game speaks the player's language.
#pragma once

#include <QString>

#include "board/Board.h"

namespace quadrelle::app {

QString accessibleNameOf(const Square& square);
QString accessiblePlaceOf(int index);
// The name and the place together: "green, arrow up, row 3, column 4".
QString accessibleSquareOf(const QString& name, int index);

} // namespace quadrelle::app
