// Start-up, "New Game", shutdown, the start-level spinner and clearing the high score.
#include "game/Game.h"

#include <algorithm>

namespace quadrelle {

void Game::Form_Load(std::string_view hiScoreSetting, std::string_view startLevelSetting) {
    counters_.score = 0;
    counters_.comboCount = 0;
    counters_.reactionsLeft = kReactionsPerLevel;
    counters_.comboCountVisible = false;
    counters_.comboTextVisible = false;
    counters_.newGame = true;
    counters_.reactionCount = 0;
    // Settings this game did not write fall back to the defaults and are rewritten at unload.
    counters_.highScore = parseHighScore(hiScoreSetting).value_or(0);
    HScrollLevel_Change(10 - parseStartLevel(startLevelSetting).value_or(kMinStartLevel));
    counters_.level = counters_.startLevel;
    FillBoard(false);
}

SavedSettings Game::Form_Unload() const {
    return {numberText(counters_.highScore), numberText(counters_.startLevel)};
}

void Game::Command1_Click() {
    timers_.setEnabled(TimerId::ClearSq, false);
    timers_.setEnabled(TimerId::MoveDown, false);
    timers_.setEnabled(TimerId::FillUp, false);
    counters_.gameOverVisible = false;
    counters_.level = 10 - counters_.scrollValue;
    counters_.reactionsLeft = kReactionsPerLevel;
    counters_.score = 0;
    counters_.comboCount = 0;
    counters_.newGame = true;
    counters_.reactionCount = 0;
    counters_.removes = 0;
    FillBoard(false);
}

void Game::HScrollLevel_Change(int value) {
    // The spinner cannot leave its range; a value from elsewhere is held to it.
    counters_.scrollValue = std::clamp(value, 10 - kMaxStartLevel, 10 - kMinStartLevel);
    counters_.startLevel = 10 - counters_.scrollValue;
}

void Game::LabelClr_Click(bool answeredYes) {
    if (answeredYes) counters_.highScore = 0;
}

} // namespace quadrelle
