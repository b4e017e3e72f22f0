// SPDX-License-Identifier: MIT
// Every game has a number, and every random draw of the game derives from it: the number
// starts a chain of SplitMix64 seeds, one per fill. The same number and the same moves at
// the same ticks replay the same game.
#pragma once

#include <compare>
#include <cstdint>

namespace quadrelle {

struct GameNumber {
    std::uint64_t value = 0;

    friend auto operator<=>(const GameNumber&, const GameNumber&) = default;
};

// The number of the game after this one, for a new game that is not given a number.
GameNumber nextGameNumber(GameNumber number);

class SeedChain {
public:
    explicit SeedChain(GameNumber number) : state_(number.value) {}
    std::uint64_t next();

private:
    std::uint64_t state_;
};

} // namespace quadrelle
