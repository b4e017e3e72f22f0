// SPDX-License-Identifier: MIT
#include "KeyText.h"

#include <cctype>
#include <string_view>
#include <utility>

namespace quadrelle::web {

namespace {

// The keys whose DOM names differ from the portable ones.
constexpr std::pair<std::string_view, std::string_view> kRenamed[] = {
    {"ArrowUp", "Up"},  {"ArrowDown", "Down"},  {"ArrowLeft", "Left"}, {"ArrowRight", "Right"},
    {"PageUp", "PgUp"}, {"PageDown", "PgDown"}, {" ", "Space"},        {"ContextMenu", "Menu"},
    {"Tab", "Tab"},     {"Escape", "Esc"},
};

std::string keyName(const EmscriptenKeyboardEvent& event) {
    const std::string_view key = event.key;
    const std::string_view code = event.code;
    // Return is the main Enter key; Enter is the one on the keypad.
    if (key == "Enter") return code == "NumpadEnter" ? "Enter" : "Return";
    for (const auto& [dom, portable] : kRenamed)
        if (key == dom) return std::string(portable);
    // A letter by its place on the keyboard, so Shift or a layout's accents do not change it.
    if (code.size() == 4 && code.starts_with("Key")) return std::string(1, code[3]);
    if (key.size() == 1)
        return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(key[0]))));
    if (key.size() >= 2 && key[0] == 'F' && std::isdigit(static_cast<unsigned char>(key[1])))
        return std::string(key);
    return {};
}

} // namespace

std::string portableKeyText(const EmscriptenKeyboardEvent& event) {
    const std::string name = keyName(event);
    if (name.empty()) return {};
    std::string text;
    if (event.ctrlKey) text += "Ctrl+";
    if (event.altKey) text += "Alt+";
    if (event.shiftKey) text += "Shift+";
    if (event.metaKey) text += "Meta+";
    return text + name;
}

} // namespace quadrelle::web
