// SPDX-License-Identifier: MIT
// The About box: the game's icon and name, its version, what it is, the number of the game
// being played and its licence, and a Close button.
#pragma once

#include <memory>

#include "DialogBox.h"
#include "game/GameNumber.h"

namespace quadrelle::web {

std::unique_ptr<DialogBox> aboutDialog(GameNumber gameNumber, play::Language language);

} // namespace quadrelle::web
