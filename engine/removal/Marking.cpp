// Marking runs and single squares for removal, and showing their marked look.
#include "game/Game.h"

namespace quadrelle {

void Game::MarkAsRemovedHor(int triggedIndex) { markRun(triggedIndex, 1); }

void Game::MarkAsRemovedVer(int triggedIndex) { markRun(triggedIndex, kBoardSide); }

// Marks the three squares and gives them all the kind of the first square that is not a
// wildcard, counted from the first, so wildcards take the colour (and arrows) of their run.
void Game::markRun(int first, int step) {
    const int second = first + step;
    const int third = first + 2 * step;
    for (int index : {first, second, third}) board_[index].marked = true;

    for (int source : {first, second, third}) {
        const Kind kind = board_.kind(source);
        if (kind == Kind::Wildcard) continue;
        for (int target : {first, second, third}) board_.setKind(target, kind);
        break;
    }
    for (int index : {first, second, third}) MarkAsRemoved2(index);
}

void Game::MarkAsRemoved2(int triggedIndex) {
    const Kind kind = board_.kind(triggedIndex);
    if (hasMarkedPicture(kind)) board_.showPicture(triggedIndex, markedPictureOf(kind));
}

} // namespace quadrelle
