// SPDX-License-Identifier: MIT
// Measures of the sound clips' samples, which the game's own WAVE reader (WaveClip) reads:
// the samples re-centred so that silence is 0, and their loudness and crossings.
#pragma once

#include "sound/WaveClip.h"

#include <vector>

namespace assettest {

// 8-bit unsigned samples minus 128.
std::vector<int> centredSamples(const quadrelle::app::WaveClip& clip);

// Root mean square and largest magnitude of samples [from, to).
double rms(const std::vector<int>& samples, int from, int to);
int peak(const std::vector<int>& samples, int from, int to);
int zeroCrossings(const std::vector<int>& samples, int from, int to);

} // namespace assettest
