// SPDX-License-Identifier: MIT
// Menu entries and key sequences made from the shortcut table.
#include "window/Shortcuts.h"

#include <QAction>
#include <QCoreApplication>

namespace quadrelle::app {

QList<QKeySequence> keySequencesOf(const Shortcut& shortcut) {
    QList<QKeySequence> sequences;
    for (const char* key : shortcut.keys)
        sequences.append(QKeySequence::fromString(QString::fromLatin1(key), QKeySequence::PortableText));
    return sequences;
}

QString keysTextOf(const Shortcut& shortcut) {
    QStringList texts;
    for (const QKeySequence& sequence : keySequencesOf(shortcut))
        texts.append(sequence.toString(QKeySequence::NativeText));
    return texts.join(QStringLiteral(", "));
}

QString descriptionOf(const Shortcut& shortcut) {
    return QCoreApplication::translate(kShortcutsContext, shortcut.description);
}

QAction* createAction(const Shortcut& shortcut, QObject* parent) {
    auto* action = new QAction(descriptionOf(shortcut), parent);
    action->setObjectName(QString::fromLatin1(shortcut.objectName));
    action->setShortcuts(keySequencesOf(shortcut));
    action->setShortcutContext(shortcut.scope == ShortcutScope::Board ? Qt::WidgetWithChildrenShortcut
                                                                      : Qt::WindowShortcut);
    action->setCheckable(shortcut.checkable);
    return action;
}

} // namespace quadrelle::app
