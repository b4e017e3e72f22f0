// SPDX-License-Identifier: MIT
// A hint for the player: a square whose colour step, or failing that whose colour search,
// or failing that whose erasing, would make a run on a board at rest. It only looks at a copy
// of the board, so asking for a hint never changes the game or its random draws.
#pragma once

#include <optional>

#include "board/Board.h"

namespace quadrelle {

enum class HintMove { StepUp, StepDown, Search, Erase };

struct Hint {
    int square = 0;
    HintMove move = HintMove::StepUp;

    friend bool operator==(const Hint&, const Hint&) = default;
};

// The first square, in board order, whose colour step reacts; else the first whose colour
// search reacts; else, while the player holds an eraser, the first plain square whose removal
// closes the gap into a run (before the refill, whose draws no hint can know); nothing when
// no move reacts.
std::optional<Hint> findHint(const Board& board, int erasers = 0);

} // namespace quadrelle
