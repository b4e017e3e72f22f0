// Filling the whole board, or only its gaps, with random kinds by the odds of the level.
#include "board/Odds.h"
#include "game/Game.h"

namespace quadrelle {

void Game::FillBoard(bool refillOnly) {
    const OddsRow& row = oddsRowForLevel(counters_.level);
    random_.reseed();
    for (int index = 0; index < kSquareCount; ++index) {
        if (refillOnly && board_.kind(index) != Kind::Removed) continue;
        const int r = scaleDraw(row, random_.nextUniform());
        board_[index].marked = false;
        board_.setKindAndPicture(index, kindForDraw(row, r));
    }
    timers_.setEnabled(refillOnly ? TimerId::WaitAfterReactions : TimerId::WaitAfterInit, true);
}

} // namespace quadrelle
