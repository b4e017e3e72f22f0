// SPDX-License-Identifier: MIT
// Starting a run and new games, the start level, the high score and the settings to save.
#include <algorithm>

#include "game/Game.h"

namespace quadrelle {

Game::Game(Ports ports)
    : timers_(ports.timers), random_(ports.random), sound_(ports.sound), events_(ports.events) {}

void Game::resumeFrom(const Position& position) {
    board_ = position.board;
    counters_ = position.counters;
    gameNumber_ = position.gameNumber;
    seeds_ = SeedChain(position.gameNumber);
    endedWithScore_ = position.counters.gameOver ? std::optional(position.counters.score) : std::nullopt;
}

void Game::start(const Settings& settings, GameNumber number) {
    handle([&] {
        counters_.score = 0;
        counters_.comboCount = 0;
        counters_.reactionsLeft = kReactionsPerLevel;
        counters_.comboShown = false;
        counters_.freshBoard = true;
        counters_.reactionCount = 0;
        counters_.highScore = std::max<std::int64_t>(settings.highScore, 0);
        counters_.startLevel = std::clamp(settings.startLevel, kMinStartLevel, kMaxStartLevel);
        counters_.level = counters_.startLevel;
        beginGame(number);
    });
}

void Game::newGame() {
    newGame(nextGameNumber(gameNumber_));
}

void Game::newGame(GameNumber number) {
    handle([&] {
        // The reaction pauses run on; the new board's own pause follows them.
        timers_.setEnabled(TimerId::ClearSq, false);
        timers_.setEnabled(TimerId::MoveDown, false);
        timers_.setEnabled(TimerId::FillUp, false);
        counters_.gameOver = false;
        counters_.level = counters_.startLevel;
        counters_.reactionsLeft = kReactionsPerLevel;
        counters_.score = 0;
        counters_.comboCount = 0;
        counters_.freshBoard = true;
        counters_.reactionCount = 0;
        counters_.removes = 0;
        beginGame(number);
    });
}

void Game::beginGame(GameNumber number) {
    gameNumber_ = number;
    seeds_ = SeedChain(number);
    endedWithScore_.reset();
    events_.newGameStarted(number);
    fill(FillScope::WholeBoard);
}

// Every fill reseeds from the game's chain, so each board and refill can be replayed.
void Game::fill(FillScope scope) {
    random_.reseed(seeds_.next());
    fillBoard(board_, oddsRowForLevel(counters_.level), random_, scope);
    timers_.setEnabled(scope == FillScope::WholeBoard ? TimerId::WaitAfterInit : TimerId::WaitAfterReactions,
                        true);
}

void Game::setStartLevel(int level) {
    handle([&] { counters_.startLevel = std::clamp(level, kMinStartLevel, kMaxStartLevel); });
}

void Game::clearHighScore() {
    handle([&] { counters_.highScore = 0; });
}

Settings Game::settingsToSave() const {
    return {counters_.highScore, counters_.startLevel};
}

} // namespace quadrelle
