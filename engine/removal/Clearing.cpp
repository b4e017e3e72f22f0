// Half a second after a removal: the gaps turn empty, and twenty reactions raise the level.
#include "game/Game.h"

namespace quadrelle {

void Game::TimerClearSq_Timer() {
    timers_.setEnabled(TimerId::MoveDown, true);
    timers_.setEnabled(TimerId::ClearSq, false);
    for (int index = 0; index < kSquareCount; ++index) {
        if (board_.kind(index) != Kind::Removed) continue;
        board_[index].marked = false;
        board_.showPicture(index, Picture::SqEmpty);
        // Tested once per gap; the reset of the count makes it fire at most once per tick.
        if (!counters_.newGame && counters_.reactionCount > kReactionsPerLevel - 1) {
            counters_.reactionCount = 0;
            ++counters_.level;
            counters_.reactionsLeft = kReactionsPerLevel;
        }
    }
}

} // namespace quadrelle
