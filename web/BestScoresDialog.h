// SPDX-License-Identifier: MIT
// The best scores as a table: rank, score, level, date and game number, best first; above it
// the rank a game just took, or that the table is empty. The row of the new rank stands out.
#pragma once

#include <memory>
#include <optional>

#include "DialogBox.h"
#include "settings/BestScores.h"

namespace quadrelle::web {

std::unique_ptr<DialogBox> bestScoresDialog(const play::BestScores& scores, std::optional<int> newRank,
                                            play::Language language);

} // namespace quadrelle::web
