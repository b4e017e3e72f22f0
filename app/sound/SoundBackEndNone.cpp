// SPDX-License-Identifier: MIT
// The game built without sound plays silently; its sound switch still works and is kept.
#include "sound/SilentSound.h"
#include "sound/SoundBackEnd.h"

namespace quadrelle::app {

std::unique_ptr<play::SoundDevice> makeSoundDevice() {
    return std::make_unique<play::SilentSound>();
}

} // namespace quadrelle::app
