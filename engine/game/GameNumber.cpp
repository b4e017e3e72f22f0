// SPDX-License-Identifier: MIT
#include "game/GameNumber.h"

namespace quadrelle {

namespace {

// SplitMix64: spreads consecutive or similar numbers over the whole range.
std::uint64_t splitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

std::uint64_t SeedChain::next() {
    return splitMix64(state_);
}

GameNumber nextGameNumber(GameNumber number) {
    // A different constant from the seed chain's, so a game's numbers and seeds never meet.
    std::uint64_t state = number.value ^ 0x6A09E667F3BCC909ull;
    return {splitMix64(state)};
}

} // namespace quadrelle
