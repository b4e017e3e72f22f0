// SPDX-License-Identifier: MIT
// What a screen reader says for a square: its colour and arrows ("green, arrow up",
// "yellow, arrows up and down"), "wildcard" or "empty", with ", marked" while it is marked
// for removal; and where it is ("row 3, column 4"), alone or after the name. In the player's
// language.
#pragma once

#include <string>

#include "board/Board.h"
#include "texts/Texts.h"

namespace quadrelle::play {

std::string squareName(const Square& square, Language language);
std::string squarePlace(int index, Language language);
// The name and the place together: "green, arrow up, row 3, column 4".
std::string squareNameAndPlace(std::string_view name, int index, Language language);

} // namespace quadrelle::play
