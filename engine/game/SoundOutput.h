// Where the game's sound cues leave the engine: clip 0 for a reaction, clip 1 for a single
// removal. The window plays them; tests record them.
#pragma once

#include <vector>

namespace quadrelle {

enum class Clip : int { Reaction = 0, SingleRemoval = 1 };

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts clip n (resource 101 + n) without waiting; a new clip cuts off the one playing.
    virtual void PlaySoundRes(int n) = 0;
};

class SilentSound : public SoundOutput {
public:
    void PlaySoundRes(int) override {}
};

class RecordingSound : public SoundOutput {
public:
    void PlaySoundRes(int n) override { played.push_back(n); }
    std::vector<int> played;
};

} // namespace quadrelle
