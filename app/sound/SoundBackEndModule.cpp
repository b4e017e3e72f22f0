// SPDX-License-Identifier: MIT
// The game plays through the PulseAudio or PipeWire sound server, from the sound module it
// loads after the first frame.
#include "sound/ModuleSoundDevice.h"
#include "sound/SoundBackEnd.h"

namespace quadrelle::app {

std::unique_ptr<play::SoundDevice> makeSoundDevice() {
    return std::make_unique<ModuleSoundDevice>(soundModulePaths());
}

} // namespace quadrelle::app
