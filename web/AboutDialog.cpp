// SPDX-License-Identifier: MIT
#include "AboutDialog.h"

#include "DomBuilder.h"
#include "screen/AboutText.h"

#ifndef QUADRELLE_VERSION
#error "the build defines QUADRELLE_VERSION"
#endif

namespace quadrelle::web {

std::unique_ptr<DialogBox> aboutDialog(GameNumber gameNumber, play::Language language) {
    const play::AboutText about = play::aboutText(QUADRELLE_VERSION, gameNumber, language);
    auto box = std::make_unique<DialogBox>("about", about.title, language);
    emscripten::val icon = dom::append(box->body(), dom::element("img", "quadrelle-about-icon"));
    dom::setAttribute(icon, "src", "icon/quadrelle-64.png");
    dom::setAttribute(icon, "width", "64");
    dom::setAttribute(icon, "height", "64");
    dom::setAttribute(icon, "alt", "");
    dom::append(box->body(), dom::textElement("h3", about.name));
    for (const std::string& line : about.lines) dom::append(box->body(), dom::textElement("p", line));
    box->addAnswer(play::Answer::Close, true);
    return box;
}

} // namespace quadrelle::web
