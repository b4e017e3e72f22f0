// SPDX-License-Identifier: MIT
#include "Player.h"

#include <vector>

#include "input/ColourChanges.h"
#include "reactions/Triples.h"

namespace quadrelle::sim {

namespace {

bool reactsAs(const Board& board, int index, Kind kind) {
    Board tried = board;
    tried.setKind(index, kind);
    return anyTripleMatches(tried);
}

} // namespace

std::optional<Move> Player::choose(const Game& game) {
    const Board& board = game.board();
    if (auto move = stepThatReacts(board)) return move;
    if (auto move = searchThatReacts(board)) return move;
    if (game.counters().removes > 0)
        if (auto move = randomSquare(board, isPlain, Button::Special)) return move;
    return randomSquare(board, isArrow, Button::Plain);
}

std::optional<Move> Player::stepThatReacts(const Board& board) const {
    for (int index = 0; index < kSquareCount; ++index) {
        const Kind kind = board.kind(index);
        if (!isArrow(kind)) continue;
        for (auto [direction, half] :
             {std::pair{StepDirection::Up, Half::Upper}, {StepDirection::Down, Half::Lower}}) {
            if (reactsAs(board, index, *colourStep(kind, direction))) return Move{index, Button::Plain, half};
            if (!isTwoWay(kind)) break;
        }
    }
    return std::nullopt;
}

std::optional<Move> Player::searchThatReacts(const Board& board) const {
    for (int index = 0; index < kSquareCount; ++index)
        for (Kind attempt : colourSearchTries(board.kind(index)))
            if (reactsAs(board, index, attempt)) return Move{index, Button::Special, Half::Upper};
    return std::nullopt;
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
