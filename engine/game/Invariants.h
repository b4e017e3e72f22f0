// SPDX-License-Identifier: MIT
// Checks that hold after every handled event of a game. Used by the simulator and the tests.
#pragma once

#include <string>
#include <vector>

#include "game/Game.h"

namespace quadrelle {

class InvariantChecker {
public:
    // Call after a start or a new game: a new game starts its own score and level.
    void startGame(const Game& game);
    // Returns a description of every invariant the game now breaks; empty when all hold.
    std::vector<std::string> check(const Game& game);

private:
    std::int64_t startLevel_ = 1;
    std::int64_t lastScore_ = 0;
};

} // namespace quadrelle
