// SPDX-License-Identifier: MIT
#include "ContextMenu.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "BrowserLanguage.h"
#include "DomBuilder.h"
#include "screen/KeyNames.h"
#include "screen/WindowTexts.h"

namespace quadrelle::web {

namespace {

using emscripten::val;
using play::ShortcutAction;

constexpr auto kEntryClass = "quadrelle-menu-entry";
constexpr auto kActionAttribute = "data-action";

val separator() {
    val line = dom::element("div", "quadrelle-menu-separator");
    dom::setAttribute(line, "role", "separator");
    return line;
}

std::string descriptionOf(const play::Shortcut& shortcut, play::Language language) {
    return std::string(play::translate(language, play::kShortcutsContext, shortcut.description));
}

// An entry's words, and its keys at the right as the desktop's menus show them.
void fillEntry(const val& entry, const std::string& text, const std::string& keys) {
    dom::append(entry, dom::textElement("span", text, "quadrelle-menu-text"));
    if (!keys.empty()) dom::append(entry, dom::textElement("span", keys, "quadrelle-menu-keys"));
}

// A line that says something and does nothing.
val disabledEntry(const std::string& text, const std::string& keys) {
    val entry = dom::element("div", kEntryClass);
    dom::setAttribute(entry, "role", "menuitem");
    dom::setAttribute(entry, "aria-disabled", "true");
    dom::setAttribute(entry, "tabindex", "-1");
    fillEntry(entry, text, keys);
    return entry;
}

// The entries the arrow keys move over in a menu, in order.
std::vector<val> entriesOf(const val& menu) {
    const val found = menu.call<val>("querySelectorAll", std::string(":scope > .") + kEntryClass);
    std::vector<val> entries;
    const int count = found["length"].as<int>();
    for (int n = 0; n < count; ++n) entries.push_back(found[n]);
    return entries;
}

val entryOf(const val& event) {
    return dom::closest(event["target"], std::string(".") + kEntryClass);
}

bool isDisabled(const val& entry) {
    return entry.call<val>("getAttribute", std::string("aria-disabled")).isString();
}

void focus(const val& element) {
    val options = val::object();
    options.set("preventScroll", true);
    element.call<void>("focus", options);
}

// The menu moved so that it lies inside the viewport, as near as it can to (x, y).
void placeInViewport(const val& menu, double x, double y) {
    const val window = val::global("window");
    const val box = menu.call<val>("getBoundingClientRect");
    const double left =
        std::max(0.0, std::min(x, window["innerWidth"].as<double>() - box["width"].as<double>()));
    const double top =
        std::max(0.0, std::min(y, window["innerHeight"].as<double>() - box["height"].as<double>()));
    menu["style"].set("left", std::to_string(left) + "px");
    menu["style"].set("top", std::to_string(top) + "px");
}

} // namespace

ContextMenu::ContextMenu(play::Language language, std::function<void(ShortcutAction)> chosen)
    : language_(language), chosen_(std::move(chosen)) {}

void ContextMenu::open(double clientX, double clientY, const MenuState& state, bool fromKeyboard) {
    close();
    focusBefore_ = dom::focusedElement();
    build(state);
    dom::append(dom::document()["body"], layer_);
    placeInViewport(menu_, clientX, clientY);
    if (!fromKeyboard) return focus(menu_);
    for (const val& entry : entriesOf(menu_))
        if (!isDisabled(entry)) return focus(entry);
}

void ContextMenu::close() {
    if (!isOpen()) return;
    listeners_.forgetAll();
    layer_.call<void>("remove");
    layer_ = menu_ = otherKeys_ = submenu_ = val::null();
    const val before = std::exchange(focusBefore_, val::null());
    if (!before.isNull() && before["isConnected"].as<bool>() && !before.equals(dom::document()["body"]))
        focus(before);
}

void ContextMenu::build(const MenuState& state) {
    layer_ = dom::element("div", "quadrelle-menu-layer");
    dom::setAttribute(layer_, "lang", languageTag(language_));
    menu_ = dom::append(layer_, dom::element("div", "quadrelle-menu"));
    dom::setAttribute(menu_, "role", "menu");
    dom::setAttribute(menu_, "tabindex", "-1");
    dom::setAttribute(menu_, "aria-label", play::menuControlName(language_));
    dom::append(menu_, disabledEntry(play::gameNumberMenuLine(state.gameNumber, language_), {}));
    using enum ShortcutAction;
    for (const std::initializer_list<ShortcutAction> group :
         {std::initializer_list<ShortcutAction>{NewGame, PlayGameNumber},
          {Hint, Sound, ColourSymbols},
          {BestScores, ClearBestScores, ClearHighScore},
          {HowToPlay, About}}) {
        dom::append(menu_, separator());
        for (const ShortcutAction action : group) addEntry(play::shortcutFor(action), state);
    }
    dom::append(menu_, separator());
    buildOtherKeys();

    listeners_.listen(layer_, "keydown", [this](const val& event) { keyDown(event); });
    listeners_.listen(layer_, "click", [this](const val& event) { clicked(event); });
    listeners_.listen(layer_, "pointerover", [this](const val& event) { pointedAt(event); });
    listeners_.listen(layer_, "pointerdown", [this](const val& event) {
        if (event["target"].equals(layer_)) close();
    });
    // The browser's own menu never opens over this one.
    listeners_.listen(layer_, "contextmenu", [](const val& event) { event.call<void>("preventDefault"); });
}

val ContextMenu::addEntry(const play::Shortcut& shortcut, const MenuState& state) {
    val entry = dom::append(menu_, dom::element("button", kEntryClass));
    dom::setAttribute(entry, "type", "button");
    dom::setAttribute(entry, "tabindex", "-1");
    dom::setAttribute(entry, kActionAttribute, std::to_string(static_cast<int>(shortcut.action)));
    if (shortcut.checkable) {
        const bool on = shortcut.action == ShortcutAction::Sound ? state.soundOn : state.colourSymbols;
        dom::setAttribute(entry, "role", "menuitemcheckbox");
        dom::setAttribute(entry, "aria-checked", on ? "true" : "false");
    } else {
        dom::setAttribute(entry, "role", "menuitem");
    }
    fillEntry(entry, descriptionOf(shortcut, language_), play::keysText(shortcut, language_));
    return entry;
}

// The keys that work without an entry of their own: the board's, and this menu's.
void ContextMenu::buildOtherKeys() {
    const std::string title = play::otherKeysMenuTitle(language_);
    const std::string id = dom::newId("other-keys");
    otherKeys_ =
        dom::append(menu_, dom::element("button", kEntryClass + std::string(" quadrelle-menu-opener")));
    dom::setAttribute(otherKeys_, "type", "button");
    dom::setAttribute(otherKeys_, "tabindex", "-1");
    dom::setAttribute(otherKeys_, "role", "menuitem");
    dom::setAttribute(otherKeys_, "aria-haspopup", "menu");
    dom::setAttribute(otherKeys_, "aria-expanded", "false");
    dom::setAttribute(otherKeys_, "aria-controls", id);
    fillEntry(otherKeys_, title, {});

    submenu_ = dom::append(layer_, dom::element("div", "quadrelle-menu quadrelle-submenu"));
    submenu_.set("id", id);
    submenu_.set("hidden", true);
    dom::setAttribute(submenu_, "role", "menu");
    dom::setAttribute(submenu_, "aria-label", title);
    for (const play::Shortcut& shortcut : play::shortcuts()) {
        if (shortcut.scope != play::ShortcutScope::Board && shortcut.action != ShortcutAction::ContextMenu)
            continue;
        dom::append(submenu_,
                    disabledEntry(descriptionOf(shortcut, language_), play::keysText(shortcut, language_)));
    }
}

void ContextMenu::keyDown(const val& event) {
    const std::string key = event["key"].as<std::string>();
    const val focused = dom::focusedElement();
    const bool inSubmenu = dom::contains(submenu_, focused);
    const val menu = inSubmenu ? submenu_ : menu_;
    // Every key stays in the menu; Enter and Space are the entries' own, as buttons.
    event.call<void>("stopPropagation");
    if (key == "Enter" || key == " ") return;
    event.call<void>("preventDefault");
    if (key == "ArrowDown") {
        moveFocus(menu, 1, false);
    } else if (key == "ArrowUp") {
        moveFocus(menu, -1, false);
    } else if (key == "Home") {
        moveFocus(menu, 1, true);
    } else if (key == "End") {
        moveFocus(menu, -1, true);
    } else if (key == "ArrowRight") {
        if (focused.equals(otherKeys_)) openSubmenu(true);
    } else if (key == "ArrowLeft" || (key == "Escape" && inSubmenu)) {
        if (inSubmenu) {
            closeSubmenu();
            focus(otherKeys_);
        }
    } else if (key == "Escape" || key == "Tab") {
        close();
    }
}

void ContextMenu::clicked(const val& event) {
    const val entry = entryOf(event);
    if (entry.isNull() || isDisabled(entry)) return;
    if (entry.equals(otherKeys_)) return openSubmenu(event["detail"].as<int>() == 0);
    const val action = entry.call<val>("getAttribute", std::string(kActionAttribute));
    if (!action.isString()) return;
    close();
    chosen_(static_cast<ShortcutAction>(std::stoi(action.as<std::string>())));
}

// The focus follows the pointer over the entries, and the submenu opens where it points.
void ContextMenu::pointedAt(const val& event) {
    const val entry = entryOf(event);
    if (entry.isNull()) return;
    if (entry.equals(otherKeys_)) {
        openSubmenu(false);
    } else if (dom::contains(menu_, entry)) {
        closeSubmenu();
    }
    focus(entry);
}

void ContextMenu::openSubmenu(bool focusFirst) {
    if (submenu_["hidden"].as<bool>()) {
        submenu_.set("hidden", false);
        dom::setAttribute(otherKeys_, "aria-expanded", "true");
        // Beside its entry, on the side with room; else above or below the entry, over the
        // menu but never over the entry itself.
        const val window = val::global("window");
        const val entry = otherKeys_.call<val>("getBoundingClientRect");
        const val box = submenu_.call<val>("getBoundingClientRect");
        const double width = box["width"].as<double>();
        const double height = box["height"].as<double>();
        double x = entry["right"].as<double>();
        double y = entry["top"].as<double>();
        if (x + width > window["innerWidth"].as<double>()) x = entry["left"].as<double>() - width;
        if (x < 0) {
            x = window["innerWidth"].as<double>() - width;
            y = entry["top"].as<double>() >= height ? entry["top"].as<double>() - height
                                                    : entry["bottom"].as<double>();
        }
        placeInViewport(submenu_, x, y);
    }
    if (focusFirst) moveFocus(submenu_, 1, true);
}

void ContextMenu::closeSubmenu() {
    if (submenu_.isNull() || submenu_["hidden"].as<bool>()) return;
    submenu_.set("hidden", true);
    dom::setAttribute(otherKeys_, "aria-expanded", "false");
}

// One entry on, round the end, or to the first (step 1) or last (step -1) entry.
void ContextMenu::moveFocus(const val& menu, int step, bool toEnd) {
    const std::vector<val> entries = entriesOf(menu);
    if (entries.empty()) return;
    const auto count = static_cast<int>(entries.size());
    const val focused = dom::focusedElement();
    int at = -1;
    for (int n = 0; n < count; ++n)
        if (entries[static_cast<std::size_t>(n)].equals(focused)) at = n;
    int next = step > 0 ? 0 : count - 1;
    if (!toEnd && at >= 0) next = (at + step + count) % count;
    focus(entries[static_cast<std::size_t>(next)]);
    if (menu.equals(menu_)) closeSubmenu();
}

} // namespace quadrelle::web
