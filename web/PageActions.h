// SPDX-License-Identifier: MIT
// What the window's keys and its context menu do beyond the designed controls, as the
// desktop's menu entries do: a new game, a game by its number, the hint, the two switches,
// the best scores and clearing them or the high score, "How to play" and About. The menu and
// the dialogs are the page's own HTML; the session does the rest.
#pragma once

#include "ContextMenu.h"
#include "PageDialogs.h"
#include "session/Session.h"

namespace quadrelle::web {

class PageActions {
public:
    PageActions(play::Session& session, play::Language language);

    // False for an action the page does not offer (Quit: a page leaves as the browser has it).
    bool perform(play::ShortcutAction action);
    // The context menu, at a point of the page's viewport.
    void openMenu(double clientX, double clientY, bool fromKeyboard);
    void closeMenu() { menu_.close(); }
    // A game over entered the best scores: the table, with the game's rank.
    void bestScoresEntered(int rank);
    // While the menu or a dialog is open, the keys and the pointer are theirs.
    bool haveInput() const { return menu_.isOpen() || dialogs_.anyOpen(); }

private:
    play::Session& session_;
    PageDialogs dialogs_;
    ContextMenu menu_;
};

} // namespace quadrelle::web
