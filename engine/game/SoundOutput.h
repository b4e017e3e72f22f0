// SPDX-License-Identifier: MIT
// Where the game's sound cues leave the engine. The window plays them; tests record them.
#pragma once

namespace quadrelle {

enum class Clip : int { Reaction = 0, SingleRemoval = 1 };

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the clip without waiting; a new clip cuts off the one playing.
    virtual void play(Clip clip) = 0;
};

} // namespace quadrelle
