// SPDX-License-Identifier: MIT
#include "board/Random.h"

namespace quadrelle {

// The fill reseeds for every refill, so seeding stays a plain integer seed rather than a
// seed sequence, which costs several times more.
void SeededRandom::reseed(std::uint64_t seed) {
    generator_.seed(static_cast<std::uint32_t>(seed ^ (seed >> 32)));
}

// The top 24 bits of a 32-bit draw scaled by 2^-24: exact in a float and never 1.
float SeededRandom::nextUniform() {
    return static_cast<float>(generator_() >> 8) * 0x1p-24f;
}

} // namespace quadrelle
