// SPDX-License-Identifier: MIT
// The game's sound port with the player's on/off switch in front of the sound device. Switched
// off, no clip is started and the device is let go of at once, so a silent game holds nothing
// open; switched on again, the next clip takes the device back.
#pragma once

#include "sound/SoundDevice.h"

namespace quadrelle::play {

class SoundSwitch : public SoundOutput {
public:
    explicit SoundSwitch(SoundDevice& device) : device_(device) {}

    bool isOn() const { return on_; }
    void setOn(bool on);
    // Gets the device ready ahead of the first clip; while the sound is off, only the clips.
    void prepare();
    void play(Clip clip) override;

private:
    SoundDevice& device_;
    bool on_ = true;
};

} // namespace quadrelle::play
