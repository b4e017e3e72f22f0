// SPDX-License-Identifier: MIT
// What the player can do to an arrow square: a colour step along its arrow (a plain click),
// and the tries of a colour search (a special click), every reachable colour nearest first.
#pragma once

#include <optional>
#include <span>

#include "board/SquareKind.h"

namespace quadrelle {

enum class StepDirection { Up, Down };

// The kind a colour step gives; for two-way squares the direction decides, for the others it
// is ignored. Nothing for kinds without an arrow.
std::optional<Kind> colourStep(Kind kind, StepDirection direction);

// True when the kind's arrows point that way: a one-way square steps only along its arrow,
// a two-way square either way.
bool canStep(Kind kind, StepDirection direction);

// The kinds a colour search tries, in order; empty for kinds without an arrow.
std::span<const Kind> colourSearchTries(Kind kind);

} // namespace quadrelle
