// SPDX-License-Identifier: MIT
// The game plays through the PulseAudio or PipeWire sound server.
#include "sound/QtSoundPlayer.h"
#include "sound/SoundBackEnd.h"

namespace quadrelle::app {

std::unique_ptr<play::SoundDevice> makeSoundDevice() {
    return std::make_unique<QtSoundPlayer>();
}

} // namespace quadrelle::app
