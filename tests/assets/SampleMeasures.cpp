// SPDX-License-Identifier: MIT
// Measuring the sound clips for the tests.
#include "SampleMeasures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace assettest {

std::vector<int> centredSamples(const quadrelle::app::WaveClip& clip) {
    std::vector<int> samples;
    for (char byte : clip.samples) samples.push_back(int(std::uint8_t(byte)) - 128);
    return samples;
}

double rms(const std::vector<int>& samples, int from, int to) {
    double sum = 0;
    for (int i = from; i < to; ++i) sum += double(samples[i]) * samples[i];
    return to > from ? std::sqrt(sum / (to - from)) : 0;
}

int peak(const std::vector<int>& samples, int from, int to) {
    int loudest = 0;
    for (int i = from; i < to; ++i) loudest = std::max(loudest, std::abs(samples[i]));
    return loudest;
}

int zeroCrossings(const std::vector<int>& samples, int from, int to) {
    int crossings = 0;
    for (int i = from + 1; i < to; ++i) crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
    return crossings;
}

} // namespace assettest
