// SPDX-License-Identifier: MIT
// The one table of keyboard shortcuts. The context menu, the help and the README all list it,
// so a key is named in one place only. Window keys work anywhere in the window; board keys
// only while the board has the focus, where Space and Enter cannot be taken from the
// "New Game" button. Keys are written as portable texts ("Ctrl+G", "PgUp"), which each front
// end turns into its own key events and names.
#pragma once

#include <span>

#include "texts/Texts.h"

namespace quadrelle::play {

enum class ShortcutAction {
    NewGame,
    PlayGameNumber,
    Sound,
    ColourSymbols,
    Hint,
    BestScores,
    ClearBestScores,
    ClearHighScore,
    HowToPlay,
    About,
    Quit,
    MoveCursor,
    ClickSquare,
    StepUp,
    StepDown,
    ColourSearch,
    ContextMenu,
};

enum class ShortcutScope { Window, Board };

struct Shortcut {
    ShortcutAction action;
    ShortcutScope scope;
    // Object name of the menu entry, e.g. "actionNewGame".
    const char* objectName;
    // Portable key texts, e.g. "Ctrl+G"; none for an entry reached by the menu only.
    std::span<const char* const> keys;
    // The player's text, translated in the context kShortcutsContext.
    const char* description;
    bool checkable;
};

inline constexpr auto kShortcutsContext = "Shortcuts";

// Every entry, in the order the menu and the help list them.
std::span<const Shortcut> shortcuts();
const Shortcut& shortcutFor(ShortcutAction action);

} // namespace quadrelle::play
