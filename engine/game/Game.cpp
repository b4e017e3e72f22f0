#include "game/Game.h"

namespace quadrelle {

Game::Game(TimerService& timers, RandomSource& random, SoundOutput& sound)
    : timers_(timers), random_(random), sound_(sound) {}

void Game::onTimer(TimerId timer) {
    switch (timer) {
    case TimerId::ClearSq: return TimerClearSq_Timer();
    case TimerId::MoveDown: return TimerMoveDown_Timer();
    case TimerId::FillUp: return TimerFillUp_Timer();
    case TimerId::HideCombo: return TimerHideCombo_Timer();
    case TimerId::WaitAfterClick: return WaitAfterClickTimer_Timer();
    case TimerId::WaitAfterInit: return WaitAfterInitTimer_Timer();
    case TimerId::WaitAfterReactions: return WaitAfterReactionsTimer_Timer();
    }
}

} // namespace quadrelle
