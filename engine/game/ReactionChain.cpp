// SPDX-License-Identifier: MIT
// The reaction chain, top to bottom as it runs: a pause ends in a scan; a scan that finds runs
// removes them; half a second later the gaps clear, then the board closes them, then the gaps
// are refilled, and after a short pause the next scan looks for the runs the refill made. A
// chain that began with a fill ends in the settle, which decides on the combo banner.
#include <algorithm>

#include "game/Game.h"
#include "reactions/Scan.h"
#include "removal/Falling.h"
#include "removal/Marking.h"
#include "removal/Removal.h"

namespace quadrelle {

void Game::tick(TimerId timer) {
    handle([&] {
        // A timer ticks once per start: its handler stops it first.
        timers_.setEnabled(timer, false);
        switch (timer) {
        case TimerId::WaitAfterClick: scan(); break;
        case TimerId::ClearSq: clearRemoved(); break;
        case TimerId::MoveDown: closeTheGaps(); break;
        case TimerId::FillUp: refill(); break;
        case TimerId::WaitAfterInit:
        case TimerId::WaitAfterReactions: scanAfterFill(); break;
        case TimerId::HideCombo: hideCombo(); break;
        }
    });
}

// Marks and removes every run and scores it, or, when nothing reacts, checks for game over.
int Game::scan() {
    const ScanResult found = markReactions(board_);
    counters_.reactionCount += found.runs;
    // Each full line earns an eraser, up to three held.
    counters_.removes =
        std::min(counters_.removes + found.fullLines, std::max(counters_.removes, kMaxRemoves));
    if (found.runs == 0) {
        checkGameOver();
        return 0;
    }
    removeMarkedSquares(Clip::Reaction);
    if (!counters_.freshBoard) {
        counters_.score += 10 * found.runs;
        counters_.reactionsLeft = kReactionsPerLevel - counters_.reactionCount;
    }
    counters_.comboCount += found.runs;
    events_.runsFound(found.runs);
    return found.runs;
}

void Game::removeMarkedSquares(Clip clip) {
    sound_.play(clip);
    removeMarked(board_);
    timers_.setEnabled(TimerId::ClearSq, true);
}

void Game::checkGameOver() {
    if (!isGameOver(board_)) return;
    counters_.gameOver = true;
    if (counters_.score > counters_.highScore) {
        counters_.highScore = counters_.score;
        events_.highScoreRaised(counters_.score);
    }
    // Erasers can bring arrows back after a game over, so a game may end again, higher.
    if (!endedWithScore_ || counters_.score > *endedWithScore_) {
        endedWithScore_ = counters_.score;
        events_.gameOver(counters_.score);
    }
}

// The gaps turn empty, and twenty reactions in play raise the level.
void Game::clearRemoved() {
    timers_.setEnabled(TimerId::MoveDown, true);
    const int gaps = clearGaps(board_);
    if (gaps == 0 || counters_.freshBoard || counters_.reactionCount < kReactionsPerLevel) return;
    counters_.reactionCount = 0;
    ++counters_.level;
    counters_.reactionsLeft = kReactionsPerLevel;
    events_.levelUp(counters_.level);
}

void Game::closeTheGaps() {
    closeGaps(board_, fallDirection(board_));
    timers_.setEnabled(TimerId::FillUp, true);
}

void Game::refill() {
    fill(FillScope::GapsOnly);
}

void Game::scanAfterFill() {
    if (scan() == 0) settle();
}

// A banner for two or more runs, only in play.
void Game::settle() {
    const bool show = !counters_.freshBoard && counters_.comboCount > 1;
    counters_.comboShown = show;
    if (show) timers_.setEnabled(TimerId::HideCombo, true);
}

void Game::hideCombo() {
    counters_.comboShown = false;
    counters_.comboCount = 0;
    timers_.setEnabled(TimerId::HideCombo, false);
}

} // namespace quadrelle
