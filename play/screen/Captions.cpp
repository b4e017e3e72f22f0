// SPDX-License-Identifier: MIT
#include "screen/Captions.h"

namespace quadrelle::play {

std::string numberText(std::int64_t value) {
    return std::to_string(value);
}

Captions captionsOf(const Counters& c) {
    return {numberText(c.score), numberText(c.reactionsLeft), numberText(c.comboCount), numberText(c.removes),
            numberText(c.level), numberText(c.startLevel),    numberText(c.highScore)};
}

} // namespace quadrelle::play
