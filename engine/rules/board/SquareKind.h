// SPDX-License-Identifier: MIT
// The vocabulary of square kinds: the sixteen colour kinds, the wildcard, the gap, and the
// empty kind that squares hold before the first fill. Each kind has one exact text, which is
// what the rules compare by (first characters, match sets) and what the window names.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quadrelle {

enum class Kind : unsigned char {
    Empty,
    K0,
    K1,
    K2,
    K3,
    K4,
    K0up,
    K1up,
    K1down,
    K1updown,
    K2up,
    K2down,
    K2updown,
    K3up,
    K3down,
    K3updown,
    K4down,
    Wildcard,
    Removed,
};

inline constexpr int kKindCount = 19;

// Every kind a square can hold after the first fill, in declaration order.
inline constexpr std::array<Kind, 18> kPlayKinds = {
    Kind::K0,   Kind::K1,     Kind::K2,       Kind::K3,     Kind::K4,       Kind::K0up,
    Kind::K1up, Kind::K1down, Kind::K1updown, Kind::K2up,   Kind::K2down,   Kind::K2updown,
    Kind::K3up, Kind::K3down, Kind::K3updown, Kind::K4down, Kind::Wildcard, Kind::Removed,
};

// The kind's exact text: "0" … "4", "2updown", "1234", "Removed"; "" for Empty.
std::string_view kindText(Kind kind);
std::optional<Kind> kindFromText(std::string_view text);

// The first character of the kind's text, or '\0' for the empty kind. The full-line sweep and
// colour equality read only this character, so the wildcard counts as '1' there.
char firstChar(Kind kind);

// True for the five arrowless colour kinds "0" … "4".
bool isPlain(Kind kind);
// True for the eleven colour kinds that carry an arrow.
bool isArrow(Kind kind);
// True for "1updown", "2updown" and "3updown".
bool isTwoWay(Kind kind);
// True when the kind counts as colour c (0 … 4) in a triple; the wildcard counts as every colour.
bool matchesColour(Kind kind, int colour);

} // namespace quadrelle
