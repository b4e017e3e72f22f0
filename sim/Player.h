// SPDX-License-Identifier: MIT
// A simple built-in player for the simulator. It plays the game's hint when there is one (a
// colour step that completes a run, else a colour search that reacts, else an eraser that sets
// off a reaction), else an eraser on a random plain square when it holds one, else a colour
// step on a random arrow square.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

#include "game/Game.h"

namespace quadrelle::sim {

struct Move {
    int index = 0;
    Button button = Button::Plain;
    Half half = Half::Upper;
};

class Player {
public:
    explicit Player(std::uint64_t seed) : random_(seed) {}
    // Nothing when the board holds neither an arrow square nor, with an eraser, a plain square.
    std::optional<Move> choose(const Game& game);

private:
    std::optional<Move> randomSquare(const Board& board, bool (*wanted)(Kind), Button button);

    std::mt19937_64 random_;
};

} // namespace quadrelle::sim
