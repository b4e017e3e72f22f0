// SPDX-License-Identifier: MIT
// The play layer's shortcut table in Qt's terms: key sequences, the keys' names as the player
// reads them, translated descriptions and menu entries.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include "session/ShortcutTable.h"

class QAction;
class QObject;

namespace quadrelle::app {

using play::kShortcutsContext;
using play::Shortcut;
using play::ShortcutAction;
using play::shortcutFor;
using play::shortcuts;
using play::ShortcutScope;

QList<QKeySequence> keySequencesOf(const Shortcut& shortcut);
// The keys as the player reads them, e.g. "Page Up" or "Menu, Shift+F10"; empty without keys.
QString keysTextOf(const Shortcut& shortcut);
QString descriptionOf(const Shortcut& shortcut);

// A menu entry for the shortcut: its text, keys, object name and check box. Board keys get
// Qt::WidgetWithChildrenShortcut, so they act only where the action is added to the board.
QAction* createAction(const Shortcut& shortcut, QObject* parent);

} // namespace quadrelle::app
