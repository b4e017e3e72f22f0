// SPDX-License-Identifier: MIT
#include "HelpDialog.h"

#include <string>

#include "DomBuilder.h"
#include "SquarePictures.h"
#include "screen/HelpPage.h"
#include "screen/KeyNames.h"

namespace quadrelle::web {

namespace {

using emscripten::val;

// The picture is its set's sheet shown through a 60 pixel window at the picture's place, so the
// help asks for no file the board has not.
val picture(std::string_view name, bool colourSymbols) {
    val image = dom::element("img");
    dom::setAttribute(image, "src", sheetPath(colourSymbols, false));
    dom::setAttribute(image, "srcset", sheetPath(colourSymbols, true) + " 2x");
    dom::setAttribute(image, "width", "60");
    dom::setAttribute(image, "height", "60");
    const ImagePart part = partOfSheet(placeInSheet(name), 60);
    dom::setAttribute(image, "style",
                      "object-position: " + std::to_string(-static_cast<int>(part.x)) + "px 0");
    // The words beside them say what they show.
    dom::setAttribute(image, "alt", "");
    return image;
}

void addRule(const val& page, const play::HelpRule& rule) {
    val section = dom::append(page, dom::element("section", "quadrelle-help-rule"));
    val strip = dom::append(section, dom::element("div", "quadrelle-help-pictures"));
    for (const char* name : rule.pictures) dom::append(strip, picture(name, rule.colourSymbols));
    val words = dom::append(section, dom::element("div", "quadrelle-help-words"));
    dom::append(words, dom::textElement("h3", rule.title));
    dom::append(words, dom::textElement("p", rule.text));
}

void addKeyGroup(const val& page, const play::HelpKeyGroup& group, play::Language language) {
    dom::append(page, dom::textElement("p", group.heading, "quadrelle-help-key-heading"));
    const bool withKeys = !group.keys.empty() && !group.keys.front().shortcut->keys.empty();
    // Keys beside what they do; the entries of the menu alone have none to name.
    val list = dom::append(page, dom::element(withKeys ? "dl" : "ul", "quadrelle-help-keys"));
    for (const play::HelpKey& key : group.keys) {
        if (key.shortcut->action == play::ShortcutAction::Quit) continue;
        if (!withKeys) {
            dom::append(list, dom::textElement("li", key.description));
            continue;
        }
        dom::append(list, dom::textElement("dt", play::keysText(*key.shortcut, language)));
        dom::append(list, dom::textElement("dd", key.description));
    }
}

} // namespace

std::unique_ptr<DialogBox> helpDialog(play::Language language) {
    const play::HelpPage page = play::helpPage(language);
    auto box = std::make_unique<DialogBox>("help", page.title, language);
    const val body = box->body();
    for (const play::HelpRule& rule : page.rules) addRule(body, rule);
    dom::append(body, dom::textElement("h3", page.keysHeading, "quadrelle-help-keys-title"));
    for (const play::HelpKeyGroup& group : page.keyGroups) addKeyGroup(body, group, language);
    box->addAnswer(play::Answer::Close, true);
    return box;
}

} // namespace quadrelle::web
