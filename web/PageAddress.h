// SPDX-License-Identifier: MIT
// The game a page's address asks for: "#game=NUMBER" deals that game, as the desktop's
// --game does; any other address leaves the number to the clock. The address then names the
// game being played, so it can be shared as a link to that board.
#pragma once

#include <optional>
#include <string_view>

#include "game/GameNumber.h"

namespace quadrelle::web {

// The number in a fragment such as "#game=12345"; nothing for any other fragment.
std::optional<GameNumber> gameNumberInFragment(std::string_view fragment);
// The number in the page's own address.
std::optional<GameNumber> gameNumberInAddress();
// Puts "#game=NUMBER" in the page's address, without a new entry in the browser's history.
void showGameNumberInAddress(GameNumber number);

} // namespace quadrelle::web
