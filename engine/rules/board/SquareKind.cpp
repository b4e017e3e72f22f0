// SPDX-License-Identifier: MIT
#include "board/SquareKind.h"

namespace quadrelle {

namespace {

constexpr std::array<std::string_view, kKindCount> kTexts = {
    "",    "0",     "1",       "2",   "3",     "4",       "0up",   "1up",  "1down",   "1updown",
    "2up", "2down", "2updown", "3up", "3down", "3updown", "4down", "1234", "Removed",
};

constexpr int digitOf(char c) {
    return (c >= '0' && c <= '4') ? c - '0' : -1;
}

} // namespace

std::string_view kindText(Kind kind) {
    return kTexts[static_cast<int>(kind)];
}

std::optional<Kind> kindFromText(std::string_view text) {
    for (int i = 0; i < kKindCount; ++i)
        if (kTexts[i] == text) return static_cast<Kind>(i);
    return std::nullopt;
}

char firstChar(Kind kind) {
    const std::string_view text = kindText(kind);
    return text.empty() ? '\0' : text.front();
}

bool isPlain(Kind kind) {
    return kind >= Kind::K0 && kind <= Kind::K4;
}

bool isArrow(Kind kind) {
    return kind >= Kind::K0up && kind <= Kind::K4down;
}

bool isTwoWay(Kind kind) {
    return kind == Kind::K1updown || kind == Kind::K2updown || kind == Kind::K3updown;
}

bool matchesColour(Kind kind, int colour) {
    // The scan asks this for every triple and colour, so it is a table look-up.
    static constexpr auto kColourOf = [] {
        std::array<signed char, kKindCount> colours{};
        for (int i = 0; i < kKindCount; ++i) {
            const bool colourKind = i >= static_cast<int>(Kind::K0) && i <= static_cast<int>(Kind::K4down);
            colours[i] = static_cast<signed char>(colourKind ? digitOf(kTexts[i].front()) : -1);
        }
        return colours;
    }();
    return kind == Kind::Wildcard || kColourOf[static_cast<int>(kind)] == colour;
}

} // namespace quadrelle
