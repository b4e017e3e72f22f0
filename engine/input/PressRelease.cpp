// Pressing and releasing a mouse button over a square: colour steps, colour searches and
// single removals.
#include <cmath>

#include "game/Game.h"
#include "input/ColourChanges.h"

namespace quadrelle {

namespace {

// The right button, or the left with Shift, Ctrl or Alt held. The middle button is always plain.
bool isSpecialPress(int button, int shift) {
    return button == kRightButton || (button == kLeftButton && shift > 0);
}

} // namespace

void Game::sq_MouseDown(int index, int button, int shift, float y) {
    if (!isOnBoard(index)) return;
    if (!isSpecialPress(button, shift)) {
        counters_.pressHeight = y;
        return;
    }
    const Kind kind = board_.kind(index);
    if (isArrow(kind))
        colourSearch(index);
    else if (isPlain(kind))
        singleRemoval(index);
}

void Game::sq_MouseUp(int index, int button, int shift, float y) {
    if (!isOnBoard(index) || isSpecialPress(button, shift)) return;
    timers_.setEnabled(TimerId::WaitAfterClick, false);
    if (counters_.newGame) {
        counters_.newGame = false;
        counters_.reactionCount = 0;
    }
    HideCombo();
    const Kind kind = board_.kind(index);
    if (isPlain(kind))
        singleRemoval(index);
    else if (isArrow(kind))
        stepColour(index, y);
    timers_.setEnabled(TimerId::WaitAfterClick, true);
}

// Tries every colour the arrow reaches, scanning after each, and keeps the first that reacts.
void Game::colourSearch(int index) {
    const Kind original = board_.kind(index);
    for (Kind attempt : colourSearchTries(original)) {
        board_.setKind(index, attempt);
        if (ScanReactions() != 0) return;
    }
    board_.setKind(index, original);
}

void Game::singleRemoval(int index) {
    if (counters_.removes <= 0) return;
    board_[index].marked = true;
    MarkAsRemoved2(index);
    RemoveAllMarked(true);
    --counters_.removes;
}

void Game::stepColour(int index, float releaseY) {
    // Without a stored press height (the first press was a special one) the release's own
    // height decides.
    const float height = counters_.pressHeight.value_or(releaseY);
    const auto direction = std::nearbyint(height) < kHalfSquareTwips ? StepDirection::Up : StepDirection::Down;
    const auto next = colourStep(board_.kind(index), direction);
    if (!next) return;
    board_.setKindAndPicture(index, *next);
    ++counters_.score;
}

} // namespace quadrelle
