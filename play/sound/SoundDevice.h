// SPDX-License-Identifier: MIT
// Where the game's clips are heard: the engine's sound port, plus what a real device needs
// besides playing, which is getting ready before the first clip and letting go of the device.
// Each screen brings its own; SilentSound stands in where there is none.
#pragma once

#include "game/SoundOutput.h"

namespace quadrelle::play {

class SoundDevice : public SoundOutput {
public:
    // Gets the clips ready, and reaches the device too when `reachDevice`, so that the first
    // clip starts without either delay. The first clip played does both otherwise.
    virtual void prepare(bool reachDevice) = 0;
    // Stops the clip playing and lets go of the device; the next clip takes it again.
    virtual void release() = 0;
};

} // namespace quadrelle::play
