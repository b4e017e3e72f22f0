// SPDX-License-Identifier: MIT
#include "session/HintShow.h"

namespace quadrelle::play {

bool HintShow::update(const Game& game) {
    if (!pending_ || !game.atRest()) return false;
    pending_ = false;
    shown_ = true;
    hint_ = game.hint();
    alarm_.start(kShownMs);
    return true;
}

void HintShow::expire() {
    alarm_.stop();
    shown_ = false;
    hint_.reset();
}

} // namespace quadrelle::play
