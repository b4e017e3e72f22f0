// SPDX-License-Identifier: MIT
// The game's sound port with the player's on/off switch in front of the real output. Switched
// off, no clip is started, and the output is asked to let go of the sound device at once.
#pragma once

#include <functional>

#include "game/SoundOutput.h"

namespace quadrelle::app {

class SoundSwitch : public SoundOutput {
public:
    explicit SoundSwitch(SoundOutput& output, std::function<void()> releaseDevice = {})
        : output_(output), releaseDevice_(std::move(releaseDevice)) {}

    bool isOn() const { return on_; }
    void setOn(bool on) {
        on_ = on;
        if (!on_ && releaseDevice_) releaseDevice_();
    }
    void play(Clip clip) override {
        if (on_) output_.play(clip);
    }

private:
    SoundOutput& output_;
    std::function<void()> releaseDevice_;
    bool on_ = true;
};

} // namespace quadrelle::app
