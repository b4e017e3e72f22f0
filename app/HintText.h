// SPDX-License-Identifier: MIT
// What the hint says, in the player's language: the move and the square's place ("Hint: step
// down at row 3, column 4"), or "No move reacts now". Shown and spoken when the hint appears.
#pragma once

#include <QString>

#include <optional>

#include "input/Hint.h"

namespace quadrelle::app {

QString hintText(const std::optional<Hint>& hint);

} // namespace quadrelle::app
