// SPDX-License-Identifier: MIT
#include "MenuControl.h"

#include "BrowserLanguage.h"
#include "DomBuilder.h"
#include "screen/WindowTexts.h"

namespace quadrelle::web {

using emscripten::val;

MenuControl::MenuControl(play::Language language, std::function<void(double, double, bool)> pressed)
    : button_(dom::element("button", "quadrelle-menu-control")) {
    dom::setAttribute(button_, "type", "button");
    dom::setAttribute(button_, "aria-haspopup", "menu");
    dom::setAttribute(button_, "aria-label", play::menuControlName(language));
    dom::setAttribute(button_, "title", play::menuControlName(language));
    dom::setAttribute(button_, "lang", languageTag(language));
    button_.set("hidden", true);
    // Three bars, drawn by the page's style.
    for (int bar = 0; bar < 3; ++bar) dom::append(button_, dom::element("span"));
    dom::append(dom::document()["body"], button_);
    listeners_.listen(button_, "click", [this, pressed = std::move(pressed)](const val& event) {
        const val box = button_.call<val>("getBoundingClientRect");
        pressed(box["left"].as<double>(), box["bottom"].as<double>(), event["detail"].as<int>() == 0);
    });
}

void MenuControl::place(const Fit& fit, double viewportWidth, double viewportHeight) {
    const bool room =
        (viewportWidth - fit.cssWidth) / 2 >= kRoom || (viewportHeight - fit.cssHeight) / 2 >= kRoom;
    button_.set("hidden", !room);
}

} // namespace quadrelle::web
