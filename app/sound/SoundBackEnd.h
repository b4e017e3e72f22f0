// SPDX-License-Identifier: MIT
// The sound device the game plays through, chosen when it is built (QUADRELLE_SOUND): the
// sound server's through libpulse, from a module the game loads after its first frame, or
// silence in a game built without sound. Each back end defines makeSoundDevice() in a file of
// its own, and the build compiles just the one.
#pragma once

#include <memory>

#include "sound/SoundDevice.h"

namespace quadrelle::app {

// Called once the application object exists.
std::unique_ptr<play::SoundDevice> makeSoundDevice();

} // namespace quadrelle::app
