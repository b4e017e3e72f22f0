// Randomness for the fill. The fill reseeds at every call and then draws one uniform number
// in [0, 1) per square, so a source only has to offer those two steps. The game reseeds from
// the clock; tests and the simulator reseed from a chain of seeds that starts at their own,
// so every board of a game can be replayed.
#pragma once

#include <cstdint>
#include <random>

namespace quadrelle {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A uniform number in [0, 1) with single precision (24 random bits).
    virtual float nextUniform() = 0;
};

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : nextSeed_(seed) {}
    void reseed() override;
    float nextUniform() override;

private:
    std::uint64_t nextSeed_;
    std::mt19937 generator_;
};

class ClockSeededRandom : public RandomSource {
public:
    void reseed() override;
    float nextUniform() override;

private:
    std::uint64_t reseeds_ = 0;
    std::mt19937 generator_;
};

} // namespace quadrelle
