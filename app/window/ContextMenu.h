// SPDX-License-Identifier: MIT
// The window's context menu: the game's number, then every action the window offers by key,
// grouped, and a submenu naming the keys that are no entry of it, so the menu names every key.
#pragma once

#include <QPoint>

#include <map>

#include "game/GameNumber.h"
#include "window/Shortcuts.h"

class QWidget;

namespace quadrelle::app {

// Pops up at `place` on the screen and deletes itself when it closes.
void popUpContextMenu(QWidget* parent, const std::map<ShortcutAction, QAction*>& actions, GameNumber game,
                      QPoint place);

} // namespace quadrelle::app
