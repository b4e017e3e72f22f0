// SPDX-License-Identifier: MIT
#include "screen/SquareNames.h"

#include <array>

#include "texts/Format.h"

namespace quadrelle::play {

namespace {

constexpr auto kContext = "AccessibleNames";

constexpr std::array<const char*, 5> kColourNames = {
    PLAY_TEXT("AccessibleNames", "pink"),   PLAY_TEXT("AccessibleNames", "green"),
    PLAY_TEXT("AccessibleNames", "yellow"), PLAY_TEXT("AccessibleNames", "red"),
    PLAY_TEXT("AccessibleNames", "blue"),
};

std::string_view translated(const char* text, Language language) {
    return translate(language, kContext, text);
}

std::string kindName(Kind kind, Language language) {
    switch (kind) {
    case Kind::Empty:
    case Kind::Removed: return std::string(translated(PLAY_TEXT("AccessibleNames", "empty"), language));
    case Kind::Wildcard: return std::string(translated(PLAY_TEXT("AccessibleNames", "wildcard"), language));
    default: break;
    }
    const std::string_view colour = translated(kColourNames[static_cast<std::size_t>(firstChar(kind) - '0')], language);
    const std::string_view text = kindText(kind);
    const char* pattern = "%1";
    if (isTwoWay(kind))
        pattern = PLAY_TEXT("AccessibleNames", "%1, arrows up and down");
    else if (text.ends_with("up"))
        pattern = PLAY_TEXT("AccessibleNames", "%1, arrow up");
    else if (text.ends_with("down"))
        pattern = PLAY_TEXT("AccessibleNames", "%1, arrow down");
    return withArguments(translated(pattern, language), {colour});
}

} // namespace

std::string squareName(const Square& square, Language language) {
    const std::string name = kindName(square.kind, language);
    if (!square.marked) return name;
    return withArguments(translated(PLAY_TEXT("AccessibleNames", "%1, marked"), language), {name});
}

std::string squarePlace(int index, Language language) {
    return withArguments(translated(PLAY_TEXT("AccessibleNames", "row %1, column %2"), language),
                         {std::to_string(rowOf(index) + 1), std::to_string(columnOf(index) + 1)});
}

std::string squareNameAndPlace(std::string_view name, int index, Language language) {
    return withArguments(translated(PLAY_TEXT("AccessibleNames", "%1, %2"), language),
                         {name, squarePlace(index, language)});
}

} // namespace quadrelle::play
