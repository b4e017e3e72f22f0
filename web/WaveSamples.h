// SPDX-License-Identifier: MIT
// A sound clip's samples read from a RIFF WAVE file of PCM, 8-bit unsigned or 16-bit signed,
// mixed down to one channel of numbers from -1 to 1, as the browser's audio buffers hold them.
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace quadrelle::web {

struct WaveSamples {
    int sampleRate = 0;
    std::vector<float> mono;
};

// Nothing when the bytes are not such a file.
std::optional<WaveSamples> waveSamplesOf(std::span<const unsigned char> file);

} // namespace quadrelle::web
