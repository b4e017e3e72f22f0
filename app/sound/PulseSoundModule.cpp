// SPDX-License-Identifier: MIT
// The sound module's one entry: it makes the device that plays through the PulseAudio or
// PipeWire sound server. The module alone links libpulse, and libpulse the many codec
// libraries it brings, so none of them is loaded before the game loads the module.
#include "sound/QtSoundPlayer.h"
#include "sound/SoundModule.h"

#include <QtCore/qglobal.h>

#include <type_traits>

extern "C" Q_DECL_EXPORT quadrelle::play::SoundDevice* quadrelle_make_sound_device() {
    return new quadrelle::app::QtSoundPlayer();
}

static_assert(std::is_same_v<decltype(&quadrelle_make_sound_device), quadrelle::app::SoundModuleEntry>,
              "the entry is what the game resolves");
