// SPDX-License-Identifier: MIT
// A small fixed-seed pseudo-random generator (SplitMix64). The sound clips use it
// for their noise so that every run of the generator writes identical bytes, which
// the standard library's distributions do not promise across implementations.
#pragma once

#include <cstdint>

namespace assets {

class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [-1, 1), built from the top 53 bits.
    double bipolar() { return static_cast<double>(next() >> 11) * 0x1.0p-52 - 1.0; }

private:
    std::uint64_t state_;
};

} // namespace assets
