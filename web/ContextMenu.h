// SPDX-License-Identifier: MIT
// The window's context menu in the page, with the desktop's entries: the game's number, then
// every action the window offers, grouped, and "Other keys", a submenu naming the keys that
// are no entry of it. Built as HTML with the menu roles, so a screen reader reads it as a
// menu: the arrow keys move over the entries, Right and Left open and close the submenu,
// Enter or Space chooses, Escape or a press outside closes it and gives the focus back.
#pragma once

#include <emscripten/val.h>

#include <functional>

#include "DomListeners.h"
#include "game/GameNumber.h"
#include "session/ShortcutTable.h"
#include "texts/Texts.h"

namespace quadrelle::web {

// What the menu's first line and its two switches show.
struct MenuState {
    GameNumber gameNumber;
    bool soundOn = true;
    bool colourSymbols = false;
};

class ContextMenu {
public:
    ContextMenu(play::Language language, std::function<void(play::ShortcutAction)> chosen);
    ContextMenu(const ContextMenu&) = delete;
    ContextMenu& operator=(const ContextMenu&) = delete;
    ~ContextMenu() { close(); }

    // Opens with its top left corner at a point of the page's viewport, kept inside it. From
    // the keyboard the first entry takes the focus; from a pointer the menu does, so the
    // arrow keys start at its top.
    void open(double clientX, double clientY, const MenuState& state, bool fromKeyboard);
    // Gives the focus back to where it was before the menu opened.
    void close();
    bool isOpen() const { return !layer_.isNull(); }

private:
    void build(const MenuState& state);
    emscripten::val addEntry(const play::Shortcut& shortcut, const MenuState& state);
    void buildOtherKeys();
    void keyDown(const emscripten::val& event);
    void clicked(const emscripten::val& event);
    void pointedAt(const emscripten::val& event);
    void openSubmenu(bool focusFirst);
    void closeSubmenu();
    void moveFocus(const emscripten::val& menu, int step, bool toEnd);

    play::Language language_;
    std::function<void(play::ShortcutAction)> chosen_;
    // The layer over the whole page: a press on it outside the menu closes the menu.
    emscripten::val layer_ = emscripten::val::null();
    emscripten::val menu_ = emscripten::val::null();
    emscripten::val otherKeys_ = emscripten::val::null();
    emscripten::val submenu_ = emscripten::val::null();
    emscripten::val focusBefore_ = emscripten::val::null();
    DomListeners listeners_;
};

} // namespace quadrelle::web
