// The combo banner and the sound cues.
#include "game/Game.h"

namespace quadrelle {

void Game::HideCombo() {
    counters_.comboCountVisible = false;
    counters_.comboTextVisible = false;
    counters_.comboCount = 0;
    timers_.setEnabled(TimerId::HideCombo, false);
}

void Game::TimerHideCombo_Timer() { HideCombo(); }

// When a chain ends on a filled board: a banner for two or more runs, only in play.
void Game::settleCheck() {
    const bool show = !counters_.newGame && counters_.comboCount > 1;
    counters_.comboCountVisible = show;
    counters_.comboTextVisible = show;
    if (show) timers_.setEnabled(TimerId::HideCombo, true);
}

void Game::PlaySoundRes(int n) { sound_.PlaySoundRes(n); }

} // namespace quadrelle
