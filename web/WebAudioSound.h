// SPDX-License-Identifier: MIT
// The game's two clips played through the browser's Web Audio. The clips are compiled into the
// program, so nothing is fetched to play them. Browsers let a page start its audio only in
// answer to the player's click or key, so the page calls prepare() at each of those, and a
// clip due before the first of them is not heard. Letting go of the device closes the audio
// context; the next clip opens a new one.
#pragma once

#include <emscripten/val.h>

#include <optional>
#include <vector>

#include "WaveSamples.h"
#include "sound/SoundDevice.h"

namespace quadrelle::web {

class WebAudioSound final : public play::SoundDevice {
public:
    void play(Clip clip) override;
    void prepare(bool reachDevice) override;
    void release() override;

private:
    void readClips();
    bool openContext();
    void stopPlaying();

    bool clipsRead_ = false;
    std::vector<std::optional<WaveSamples>> clips_;
    std::vector<emscripten::val> buffers_;
    std::optional<emscripten::val> context_;
    std::optional<emscripten::val> playing_;
};

} // namespace quadrelle::web
