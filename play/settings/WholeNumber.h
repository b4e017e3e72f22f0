// SPDX-License-Identifier: MIT
// A whole number written plainly: digits (and a minus sign where the type allows one), nothing
// before or after, and in the type's range. The one reading of numbers for every stored text,
// the game-number prompt and the simulator's options: "+5", "0x10", "1e5" and " 5" are no numbers.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace quadrelle::play {

template <typename Number> std::optional<Number> wholeNumberOf(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

} // namespace quadrelle::play
