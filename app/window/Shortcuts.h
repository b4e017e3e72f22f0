// SPDX-License-Identifier: MIT
// The one table of keyboard shortcuts. The context menu, the help window and the README all
// list it, so a key is named in one place only. Window keys work anywhere in the window;
// board keys only while the board has the focus, where Space and Enter cannot be taken from
// the "New Game" button.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <span>

class QAction;
class QObject;

namespace quadrelle::app {

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
    // Qt's portable key texts, e.g. "Ctrl+G"; none for an entry reached by the menu only.
    std::span<const char* const> keys;
    // The player's text, translated in the context kShortcutsContext.
    const char* description;
    bool checkable;
};

inline constexpr auto kShortcutsContext = "Shortcuts";

// Every entry, in the order the menu and the help list them.
std::span<const Shortcut> shortcuts();
const Shortcut& shortcutFor(ShortcutAction action);

QList<QKeySequence> keySequencesOf(const Shortcut& shortcut);
// The keys as the player reads them, e.g. "Page Up" or "Menu, Shift+F10"; empty without keys.
QString keysTextOf(const Shortcut& shortcut);
QString descriptionOf(const Shortcut& shortcut);

// A menu entry for the shortcut: its text, keys, object name and check box. Board keys get
// Qt::WidgetWithChildrenShortcut, so they act only where the action is added to the board.
QAction* createAction(const Shortcut& shortcut, QObject* parent);

} // namespace quadrelle::app
