#include "game/Invariants.h"

#include "reactions/Triples.h"

namespace quadrelle {

void InvariantChecker::startGame(const Game& game) {
    startLevel_ = game.counters().level;
    lastScore_ = game.counters().score;
}

namespace {

bool atRest(const TimerService& timers) {
    for (TimerId timer : kChainTimers)
        if (timers.isEnabled(timer)) return false;
    return true;
}

} // namespace

std::vector<std::string> InvariantChecker::check(const Game& game, const TimerService& timers) {
    std::vector<std::string> broken;
    const Board& board = game.board();
    const Counters& counters = game.counters();
    bool anyGap = false;
    for (int index = 0; index < kSquareCount; ++index) {
        const Square& square = board[index];
        if (square.kind == Kind::Empty) broken.push_back("square " + std::to_string(index) + " has no kind");
        if (square.kind == Kind::Removed)
            anyGap = true;
        else if (square.marked)
            broken.push_back("square " + std::to_string(index) + " is marked but not removed");
    }
    if (counters.removes < 0 || counters.removes > kMaxRemoves)
        broken.push_back("removes counter " + std::to_string(counters.removes) + " out of 0..3");
    if (counters.level < startLevel_) broken.push_back("level fell below the game's start level");
    if (counters.score < lastScore_) broken.push_back("score decreased");
    lastScore_ = counters.score;
    if (atRest(timers)) {
        if (anyGap) broken.push_back("a gap is left at rest");
        if (anyTripleMatches(board)) broken.push_back("a triple matches at rest");
    }
    return broken;
}

} // namespace quadrelle
