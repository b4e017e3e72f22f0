// SPDX-License-Identifier: MIT
// What the game and its sound module agree on: the one function the module exports, which
// makes the sound device the game then owns. The module is built from the same sources as the
// game, so the device it returns is the game's own SoundDevice.
#pragma once

#include "sound/SoundDevice.h"

namespace quadrelle::app {

// Declared extern "C" in the module, so the symbol has this plain name.
inline constexpr char kSoundModuleEntry[] = "quadrelle_make_sound_device";
using SoundModuleEntry = play::SoundDevice* (*)();

} // namespace quadrelle::app
