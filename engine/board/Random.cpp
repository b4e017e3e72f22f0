#include "board/Random.h"

#include <chrono>

namespace quadrelle {

namespace {

// SplitMix64: spreads consecutive or similar seeds over the whole state.
std::uint64_t splitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The fill reseeds for every refill, so seeding stays a plain integer seed rather than a
// seed sequence, which costs several times more.
void seedFrom(std::mt19937& generator, std::uint64_t seed) {
    generator.seed(static_cast<std::uint32_t>(seed ^ (seed >> 32)));
}

// The top 24 bits of a 32-bit draw scaled by 2^-24: exact in a float and never 1.
float uniformFrom(std::mt19937& generator) { return static_cast<float>(generator() >> 8) * 0x1p-24f; }

} // namespace

void SeededRandom::reseed() { seedFrom(generator_, splitMix64(nextSeed_)); }

float SeededRandom::nextUniform() { return uniformFrom(generator_); }

void ClockSeededRandom::reseed() {
    // Two fills within one clock tick still get different seeds.
    std::uint64_t state = static_cast<std::uint64_t>(
                              std::chrono::system_clock::now().time_since_epoch().count()) +
                          ++reseeds_;
    seedFrom(generator_, splitMix64(state));
}

float ClockSeededRandom::nextUniform() { return uniformFrom(generator_); }

} // namespace quadrelle
