// SPDX-License-Identifier: MIT
#include "session/GameNumberText.h"

#include <algorithm>
#include <cstdint>

#include "settings/WholeNumber.h"

namespace quadrelle::play {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<GameNumber> parseGameNumber(std::string_view text) {
    const auto value = wholeNumberOf<std::uint64_t>(trimmed(text));
    if (!value) return std::nullopt;
    return GameNumber{*value};
}

GameNumberProblem gameNumberProblem(std::string_view text) {
    const std::string_view number = trimmed(text);
    if (parseGameNumber(number)) return GameNumberProblem::None;
    if (number.empty()) return GameNumberProblem::Empty;
    if (!std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return GameNumberProblem::NotDigits;
    return GameNumberProblem::TooLarge;
}

} // namespace quadrelle::play
