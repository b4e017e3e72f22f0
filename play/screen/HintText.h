// SPDX-License-Identifier: MIT
// What the hint says, in the player's language: the move and the square's place ("Hint: step
// down at row 3, column 4"), or "No move reacts now". Shown and spoken when the hint appears.
#pragma once

#include <optional>
#include <string>

#include "input/Hint.h"
#include "texts/Texts.h"

namespace quadrelle::play {

std::string hintText(const std::optional<Hint>& hint, Language language);

} // namespace quadrelle::play
