// The three pauses before a scan: after a plain release, after a new board, after a refill.
// A chain that began with a fill ends in the settle check, which decides on the combo banner.
#include "game/Game.h"

namespace quadrelle {

void Game::WaitAfterClickTimer_Timer() {
    timers_.setEnabled(TimerId::WaitAfterClick, false);
    ScanReactions();
}

void Game::WaitAfterInitTimer_Timer() {
    timers_.setEnabled(TimerId::WaitAfterInit, false);
    settleAfterFill();
}

void Game::WaitAfterReactionsTimer_Timer() {
    timers_.setEnabled(TimerId::WaitAfterReactions, false);
    settleAfterFill();
}

void Game::settleAfterFill() {
    if (ScanReactions() == 0) settleCheck();
}

} // namespace quadrelle
