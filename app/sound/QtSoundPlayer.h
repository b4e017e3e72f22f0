// SPDX-License-Identifier: MIT
// The game's sound device on the desktop, made by the sound module: both clips are read once
// from the program's resources (which the program has registered), at prepare() or at the
// first clip played, and played from memory by a PulseClipPlayer: a new clip cuts off the one
// playing. Without a sound server the game stays silent.
#pragma once

#include "sound/SoundClips.h"
#include "sound/SoundDevice.h"
#include "sound/WaveClip.h"

#include <array>
#include <memory>
#include <optional>

namespace quadrelle::app {

class PulseClipPlayer;

class QtSoundPlayer : public play::SoundDevice {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    // Reads the clips; and reaches the sound server ahead of the first clip, unless told not to
    // (the player has switched the sound off).
    void prepare(bool reachDevice) override;
    // Starts the clip at once; a clip missing from the resources is silent.
    void play(Clip clip) override;
    // Stops the clip playing and lets go of the sound server until the next clip.
    void release() override;

private:
    bool loaded_ = false;
    std::array<std::optional<WaveClip>, kClipCount> clips_;
    std::unique_ptr<PulseClipPlayer> output_;
};

} // namespace quadrelle::app
