// SPDX-License-Identifier: MIT
// The numbers the designed controls show, in the plain number-to-text form ("0", "-1", "20"):
// no leading zeros, no separators, a minus sign for negatives. The stored high score is
// written the same way.
#pragma once

#include <cstdint>
#include <string>

#include "game/Counters.h"

namespace quadrelle::play {

struct Captions {
    std::string score;
    std::string reactionsLeft;
    std::string comboCount;
    std::string removes;
    std::string level;
    std::string startLevel;
    std::string highScore;
};

Captions captionsOf(const Counters& counters);
std::string numberText(std::int64_t value);

} // namespace quadrelle::play
