// SPDX-License-Identifier: MIT
#include "Player.h"

#include <vector>

namespace quadrelle::sim {

namespace {

Move moveFor(const Hint& hint) {
    switch (hint.move) {
    case HintMove::StepUp: return {hint.square, Button::Plain, Half::Upper};
    case HintMove::StepDown: return {hint.square, Button::Plain, Half::Lower};
    case HintMove::Search:
    case HintMove::Erase: break;
    }
    return {hint.square, Button::Special, Half::Upper};
}

} // namespace

std::optional<Move> Player::choose(const Game& game) {
    if (const auto hint = game.hint()) return moveFor(*hint);
    const Board& board = game.board();
    if (game.counters().removes > 0)
        if (auto move = randomSquare(board, isPlain, Button::Special)) return move;
    return randomSquare(board, isArrow, Button::Plain);
}

std::optional<Move> Player::randomSquare(const Board& board, bool (*wanted)(Kind), Button button) {
    std::vector<int> candidates;
    for (int index = 0; index < kSquareCount; ++index)
        if (wanted(board.kind(index))) candidates.push_back(index);
    if (candidates.empty()) return std::nullopt;
    const int index =
        candidates[std::uniform_int_distribution<std::size_t>(0, candidates.size() - 1)(random_)];
    const Half half = std::uniform_int_distribution<int>(0, 1)(random_) == 0 ? Half::Upper : Half::Lower;
    return Move{index, button, half};
}

} // namespace quadrelle::sim
