// SPDX-License-Identifier: MIT
// A game number as the player types it, on the command line or in the prompt: a whole number
// from 0 to 18446744073709551615, spaces around it allowed. What is wrong with a text that is
// no game number is told apart, so a screen can say it in the player's words.
#pragma once

#include <optional>
#include <string_view>

#include "game/GameNumber.h"

namespace quadrelle::play {

enum class GameNumberProblem { None, Empty, NotDigits, TooLarge };

std::optional<GameNumber> parseGameNumber(std::string_view text);
GameNumberProblem gameNumberProblem(std::string_view text);

} // namespace quadrelle::play
