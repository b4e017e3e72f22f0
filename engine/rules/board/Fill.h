// SPDX-License-Identifier: MIT
// Filling the whole board, or only its gaps, with random kinds by the odds of a level.
#pragma once

#include "board/Board.h"
#include "board/Odds.h"
#include "board/Random.h"

namespace quadrelle {

enum class FillScope { WholeBoard, GapsOnly };

// Draws one kind per square in index order; a filled square shows its kind's picture and is
// no longer marked. Squares outside the scope are left exactly as they are.
void fillBoard(Board& board, const OddsRow& odds, RandomSource& random, FillScope scope);

} // namespace quadrelle
