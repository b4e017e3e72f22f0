// SPDX-License-Identifier: MIT
// What the About box says, in the player's language: its title, the game's name, and the
// lines under the name: the version, what the game is, the number of the game being played
// (so a player can note it and play the same boards again) and the licence. Plain text; a
// front end that writes markup escapes it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/GameNumber.h"
#include "texts/Texts.h"

namespace quadrelle::play {

struct AboutText {
    std::string title;
    // The same in every language.
    std::string name;
    std::vector<std::string> lines;
};

// The version is the build's, e.g. "1.4.0".
AboutText aboutText(std::string_view version, GameNumber gameNumber, Language language);

} // namespace quadrelle::play
