// SPDX-License-Identifier: MIT
#include "game/Invariants.h"

#include "reactions/Triples.h"

namespace quadrelle {

void InvariantChecker::startGame(const Game& game) {
    startLevel_ = game.counters().level;
    lastScore_ = game.counters().score;
}

namespace {

std::string squareText(int index) {
    return "square " + std::to_string(index);
}

void checkAtRest(const Board& board, std::vector<std::string>& broken) {
    for (int index = 0; index < kSquareCount; ++index) {
        const Square& square = board[index];
        if (square.kind == Kind::Removed)
            broken.push_back("a gap is left at rest at " + squareText(index));
        else if (square.picture != pictureOf(square.kind))
            broken.push_back(squareText(index) + " shows " + std::string(pictureName(square.picture)) +
                             " for kind " + std::string(kindText(square.kind)) + " at rest");
    }
    if (anyTripleMatches(board)) broken.push_back("a triple matches at rest");
}

} // namespace

std::vector<std::string> InvariantChecker::check(const Game& game) {
    std::vector<std::string> broken;
    const Board& board = game.board();
    const Counters& counters = game.counters();
    for (int index = 0; index < kSquareCount; ++index) {
        const Square& square = board[index];
        if (square.kind == Kind::Empty) broken.push_back(squareText(index) + " has no kind");
        if (square.kind != Kind::Removed && square.marked)
            broken.push_back(squareText(index) + " is marked but not removed");
    }
    if (counters.removes < 0 || counters.removes > kMaxRemoves)
        broken.push_back("removes counter " + std::to_string(counters.removes) + " out of 0..3");
    if (counters.level < startLevel_) broken.push_back("level fell below the game's start level");
    if (counters.score < lastScore_) broken.push_back("score decreased");
    lastScore_ = counters.score;
    if (game.atRest()) checkAtRest(board, broken);
    return broken;
}

} // namespace quadrelle
