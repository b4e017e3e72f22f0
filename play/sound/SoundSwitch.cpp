// SPDX-License-Identifier: MIT
#include "sound/SoundSwitch.h"

namespace quadrelle::play {

void SoundSwitch::setOn(bool on) {
    on_ = on;
    if (!on_) device_.release();
}

void SoundSwitch::prepare() {
    device_.prepare(on_);
}

void SoundSwitch::play(Clip clip) {
    if (on_) device_.play(clip);
}

} // namespace quadrelle::play
