// SPDX-License-Identifier: MIT
// A sound device for tests: the clips it was asked to play, and everything it was asked, in
// order, as short texts ("play reaction", "prepare and reach", "release").
#pragma once

#include <string>
#include <vector>

#include "sound/SoundDevice.h"

namespace quadrelle::doubles {

class RecordingSoundDevice : public play::SoundDevice {
public:
    void play(Clip clip) override {
        played.push_back(clip);
        asked.push_back(clip == Clip::Reaction ? "play reaction" : "play single removal");
    }
    void prepare(bool reachDevice) override {
        asked.push_back(reachDevice ? "prepare and reach" : "prepare");
    }
    void release() override { asked.push_back("release"); }

    std::vector<Clip> played;
    std::vector<std::string> asked;
};

} // namespace quadrelle::doubles
