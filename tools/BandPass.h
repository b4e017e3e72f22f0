// SPDX-License-Identifier: MIT
// A two-pole resonant band-pass filter whose centre can move from sample to sample,
// used to colour noise in the sound clips.
#pragma once

#include <cmath>
#include <numbers>

namespace assets {

class BandPass {
public:
    // Unity gain at the centre frequency; q sets how narrow the band is.
    double process(double input, double centreHz, double q, double sampleRate) {
        const double w0 = 2 * std::numbers::pi * centreHz / sampleRate;
        const double alpha = std::sin(w0) / (2 * q);
        const double a0 = 1 + alpha;
        const double output = (alpha * input - alpha * x2_ + 2 * std::cos(w0) * y1_ - (1 - alpha) * y2_) / a0;
        x2_ = x1_;
        x1_ = input;
        y2_ = y1_;
        y1_ = output;
        return output;
    }

private:
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

} // namespace assets
