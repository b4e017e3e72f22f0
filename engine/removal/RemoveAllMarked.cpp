// Turning every marked square into a gap, with the sound, and starting the clearing.
#include "game/Game.h"

namespace quadrelle {

void Game::RemoveAllMarked(bool sngl) {
    PlaySoundRes(static_cast<int>(sngl ? Clip::SingleRemoval : Clip::Reaction));
    for (int index = 0; index < kSquareCount; ++index)
        if (board_[index].marked) board_.setKind(index, Kind::Removed);
    timers_.setEnabled(TimerId::ClearSq, true);
}

} // namespace quadrelle
