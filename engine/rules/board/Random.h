// SPDX-License-Identifier: MIT
// Randomness for the fill. Every fill reseeds the source with a seed of its own and then draws
// one uniform number in [0, 1) per square it fills, so a source only offers those two steps.
// The game hands out the seeds, all derived from its game number, so every board of a game can
// be replayed.
#pragma once

#include <cstdint>
#include <random>

namespace quadrelle {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(std::uint64_t seed) = 0;
    // A uniform number in [0, 1) with single precision (24 random bits).
    virtual float nextUniform() = 0;
};

// The game's generator: a Mersenne Twister seeded from each fill's seed.
class SeededRandom : public RandomSource {
public:
    void reseed(std::uint64_t seed) override;
    float nextUniform() override;

private:
    std::mt19937 generator_;
};

} // namespace quadrelle
