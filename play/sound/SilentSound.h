// SPDX-License-Identifier: MIT
// The sound device of a game built without sound: it plays nothing and holds nothing.
#pragma once

#include "sound/SoundDevice.h"

namespace quadrelle::play {

class SilentSound final : public SoundDevice {
public:
    void play(Clip) override {}
    void prepare(bool) override {}
    void release() override {}
};

} // namespace quadrelle::play
