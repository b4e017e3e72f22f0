// SPDX-License-Identifier: MIT
// The game window's texts beside its designed captions, in the player's language: the context
// menu's first line and its submenu of the keys it has no entry for, the notice the sound
// switch shows, what a screen reader says for the start-level spinner and the board, and the
// name of the control that opens the menu where a screen has one.
#pragma once

#include <string>

#include "game/GameNumber.h"
#include "texts/Texts.h"

namespace quadrelle::play {

// "Game number 8812734412", the menu's first line.
std::string gameNumberMenuLine(GameNumber gameNumber, Language language);
// "Other keys", the submenu's title.
std::string otherKeysMenuTitle(Language language);
// "Sound on" or "Sound off", as the switch is now.
std::string soundNotice(bool soundOn, Language language);
// Said once when the store refuses a save: the game goes on, keeping nothing.
std::string settingsNotSavedNotice(Language language);
// "Start level", the spinner's spoken name; unlike the caption beside it, it never breaks.
std::string startLevelSpinnerName(Language language);
// "Board", the board's spoken name.
std::string boardName(Language language);
// "Menu", the name of a control that opens the context menu.
std::string menuControlName(Language language);

} // namespace quadrelle::play
