// SPDX-License-Identifier: MIT
#include "screen/KeyNames.h"

#include <array>
#include <utility>

namespace quadrelle::play {

namespace {

constexpr auto kContext = "KeyNames";

// The portable names that are words, and the English a player reads for each.
constexpr std::array<std::pair<std::string_view, const char*>, 13> kWords{{
    {"Ctrl", PLAY_TEXT("KeyNames", "Ctrl")},
    {"Alt", PLAY_TEXT("KeyNames", "Alt")},
    {"Shift", PLAY_TEXT("KeyNames", "Shift")},
    {"Up", PLAY_TEXT("KeyNames", "Up")},
    {"Down", PLAY_TEXT("KeyNames", "Down")},
    {"Left", PLAY_TEXT("KeyNames", "Left")},
    {"Right", PLAY_TEXT("KeyNames", "Right")},
    {"PgUp", PLAY_TEXT("KeyNames", "Page Up")},
    {"PgDown", PLAY_TEXT("KeyNames", "Page Down")},
    {"Space", PLAY_TEXT("KeyNames", "Space")},
    // Return is the main Enter key; Enter is the one on the keypad.
    {"Return", PLAY_TEXT("KeyNames", "Return")},
    {"Enter", PLAY_TEXT("KeyNames", "Enter")},
    {"Menu", PLAY_TEXT("KeyNames", "Menu")},
}};

std::string wordOf(std::string_view part, Language language) {
    for (const auto& [portable, english] : kWords)
        if (part == portable) return std::string(translate(language, kContext, english));
    return std::string(part);
}

} // namespace

std::string keyName(std::string_view portableKey, Language language) {
    std::string name;
    // "+" alone is a key, so a part ends at a "+" that has something before it.
    std::size_t start = 0;
    for (std::size_t at = 1; at < portableKey.size(); ++at) {
        if (portableKey[at] != '+' || at == start) continue;
        name += wordOf(portableKey.substr(start, at - start), language) + "+";
        start = at + 1;
    }
    return name + wordOf(portableKey.substr(start), language);
}

std::string keysText(const Shortcut& shortcut, Language language) {
    std::string text;
    for (const char* key : shortcut.keys) {
        if (!text.empty()) text += ", ";
        text += keyName(key, language);
    }
    return text;
}

} // namespace quadrelle::play
