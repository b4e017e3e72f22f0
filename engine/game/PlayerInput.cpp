// SPDX-License-Identifier: MIT
// Pressing and releasing on a square: colour steps, colour searches and single removals.
#include "game/Game.h"
#include "input/ColourChanges.h"
#include "removal/Marking.h"

namespace quadrelle {

void Game::press(int square, Button button, Half half) {
    handle([&] {
        if (!isOnBoard(square)) return;
        if (button == Button::Plain) {
            counters_.pressedHalf = half;
            return;
        }
        const Kind kind = board_.kind(square);
        if (isArrow(kind))
            colourSearch(square);
        else if (isPlain(kind))
            singleRemoval(square);
    });
}

void Game::click(int square) {
    press(square, Button::Plain, Half::Upper);
    release(square, Button::Plain, Half::Upper);
}

void Game::clickIfItSteps(int square, StepDirection direction, Half half) {
    if (!isOnBoard(square) || !canStep(board_.kind(square), direction)) return;
    press(square, Button::Plain, half);
    release(square, Button::Plain, half);
}

void Game::stepUp(int square) {
    clickIfItSteps(square, StepDirection::Up, Half::Upper);
}

void Game::stepDown(int square) {
    clickIfItSteps(square, StepDirection::Down, Half::Lower);
}

void Game::search(int square) {
    press(square, Button::Special, Half::Upper);
    release(square, Button::Special, Half::Upper);
}

std::optional<Hint> Game::hint() const {
    return findHint(board_, counters_.removes);
}

void Game::release(int square, Button button, Half half) {
    handle([&] {
        if (!isOnBoard(square) || button == Button::Special) return;
        timers_.setEnabled(TimerId::WaitAfterClick, false);
        if (counters_.freshBoard) {
            counters_.freshBoard = false;
            counters_.reactionCount = 0;
        }
        hideCombo();
        const Kind kind = board_.kind(square);
        if (isPlain(kind))
            singleRemoval(square);
        else if (isArrow(kind))
            stepColour(square, half);
        timers_.setEnabled(TimerId::WaitAfterClick, true);
    });
}

// Tries every colour the arrow reaches, scanning after each, and keeps the first that reacts.
// That run may lie elsewhere on the board; then the square stays, showing the kind it keeps.
void Game::colourSearch(int square) {
    const Kind original = board_.kind(square);
    for (Kind attempt : colourSearchTries(original)) {
        board_.setKind(square, attempt);
        if (scan() == 0) continue;
        if (board_.kind(square) != Kind::Removed) board_.showPicture(square, pictureOf(board_.kind(square)));
        return;
    }
    board_.setKind(square, original);
}

void Game::singleRemoval(int square) {
    if (counters_.removes <= 0) return;
    board_[square].marked = true;
    showMarked(board_, square);
    removeMarkedSquares(Clip::SingleRemoval);
    --counters_.removes;
}

void Game::stepColour(int square, Half releaseHalf) {
    // Without a plain press so far (the first press was a special one) the release decides.
    const Half half = counters_.pressedHalf.value_or(releaseHalf);
    const auto next =
        colourStep(board_.kind(square), half == Half::Upper ? StepDirection::Up : StepDirection::Down);
    if (!next) return;
    board_.setKindAndPicture(square, *next);
    ++counters_.score;
}

} // namespace quadrelle
