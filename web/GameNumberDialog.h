// SPDX-License-Identifier: MIT
// The prompt for the number of a game to play: the number being played, selected, in a field;
// under it, as the player types, what is wrong with the text when it is no game number, and
// OK only for a game number. Enter is OK.
#pragma once

#include <memory>
#include <optional>

#include "DialogBox.h"
#include "game/GameNumber.h"

namespace quadrelle::web {

std::unique_ptr<DialogBox> gameNumberDialog(GameNumber current, play::Language language);
// The number in the prompt's field, when it is one.
std::optional<GameNumber> gameNumberIn(const DialogBox& prompt);

} // namespace quadrelle::web
