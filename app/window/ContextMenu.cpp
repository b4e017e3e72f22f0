// SPDX-License-Identifier: MIT
#include "window/ContextMenu.h"

#include <QAction>
#include <QMenu>

#include "platform/Translations.h"
#include "screen/WindowTexts.h"

namespace quadrelle::app {

void popUpContextMenu(QWidget* parent, const std::map<ShortcutAction, QAction*>& actions, GameNumber game,
                      QPoint place) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("ContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* number = menu->addAction(QString::fromStdString(play::gameNumberMenuLine(game, gameLanguage())));
    number->setObjectName(QStringLiteral("actionGameNumber"));
    number->setEnabled(false);
    menu->addSeparator();
    const auto add = [&](std::initializer_list<ShortcutAction> which) {
        for (ShortcutAction action : which) menu->addAction(actions.at(action));
        menu->addSeparator();
    };
    using enum ShortcutAction;
    add({NewGame, PlayGameNumber});
    add({Hint, Sound, ColourSymbols});
    add({BestScores, ClearBestScores, ClearHighScore});
    add({HowToPlay, About});
    QMenu* otherKeys = menu->addMenu(QString::fromStdString(play::otherKeysMenuTitle(gameLanguage())));
    otherKeys->setObjectName(QStringLiteral("OtherKeysMenu"));
    for (const Shortcut& shortcut : shortcuts()) {
        if (shortcut.scope != ShortcutScope::Board && shortcut.action != ContextMenu) continue;
        QAction* entry = otherKeys->addAction(descriptionOf(shortcut) + QLatin1Char('\t') + keysTextOf(shortcut));
        entry->setEnabled(false);
    }
    menu->addSeparator();
    menu->addAction(actions.at(Quit));
    menu->popup(place);
}

} // namespace quadrelle::app
