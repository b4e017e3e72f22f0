// SPDX-License-Identifier: MIT
// "How to play" as data a screen lays out, in the player's language: the page's title, the
// rules in short paragraphs, each with a title and the square pictures it explains, and the
// keys of the shortcut table in three groups, each under its heading: the window's keys, the
// board's, then the entries that only the menu offers. Every text is plain text; a front end
// that writes markup (rich text, HTML) escapes it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "session/ShortcutTable.h"
#include "texts/Texts.h"

namespace quadrelle::play {

struct HelpRule {
    std::string title;
    std::string text;
    // The square pictures beside the paragraph, in order, by the name of their picture file:
    // "sq3up" is pictures/sq3up.png, or pictures/symbols/sq3up.png with colour symbols.
    std::span<const char* const> pictures;
    bool colourSymbols;
};

struct HelpKey {
    // The entry of the shortcut table, whose keys each front end names in its own words.
    const Shortcut* shortcut;
    std::string description;
};

struct HelpKeyGroup {
    std::string heading;
    std::vector<HelpKey> keys;
};

struct HelpPage {
    std::string title;
    std::vector<HelpRule> rules;
    std::string keysHeading;
    std::vector<HelpKeyGroup> keyGroups;
};

HelpPage helpPage(Language language);

} // namespace quadrelle::play
