// SPDX-License-Identifier: MIT
#include "input/ColourChanges.h"

#include <array>

namespace quadrelle {

namespace {

struct StepRule {
    Kind from;
    Kind up;   // the step, or the upward step of a two-way square
    Kind down; // the downward step of a two-way square; the same as up for one-way squares
};

constexpr std::array<StepRule, 11> kSteps = {{
    {Kind::K0up, Kind::K1up, Kind::K1up},
    {Kind::K1up, Kind::K2up, Kind::K2up},
    {Kind::K2up, Kind::K3up, Kind::K3up},
    {Kind::K3up, Kind::K4, Kind::K4},
    {Kind::K4down, Kind::K3down, Kind::K3down},
    {Kind::K3down, Kind::K2down, Kind::K2down},
    {Kind::K2down, Kind::K1down, Kind::K1down},
    {Kind::K1down, Kind::K0, Kind::K0},
    {Kind::K1updown, Kind::K2up, Kind::K0},
    {Kind::K2updown, Kind::K3up, Kind::K1down},
    {Kind::K3updown, Kind::K4, Kind::K2down},
}};

struct SearchRule {
    Kind from;
    std::array<Kind, 4> tries;
    int count;
};

constexpr std::array<SearchRule, 11> kSearches = {{
    {Kind::K0up, {Kind::K1up, Kind::K2up, Kind::K3up, Kind::K4}, 4},
    {Kind::K1up, {Kind::K2up, Kind::K3up, Kind::K4}, 3},
    {Kind::K2up, {Kind::K3up, Kind::K4}, 2},
    {Kind::K3up, {Kind::K4}, 1},
    {Kind::K4down, {Kind::K3down, Kind::K2down, Kind::K1down, Kind::K0}, 4},
    {Kind::K3down, {Kind::K2down, Kind::K1down, Kind::K0}, 3},
    {Kind::K2down, {Kind::K1down, Kind::K0}, 2},
    {Kind::K1down, {Kind::K0}, 1},
    {Kind::K1updown, {Kind::K2up, Kind::K0, Kind::K3up, Kind::K4}, 4},
    {Kind::K2updown, {Kind::K3up, Kind::K1down, Kind::K4, Kind::K0}, 4},
    {Kind::K3updown, {Kind::K4, Kind::K2down, Kind::K1down, Kind::K0}, 4},
}};

} // namespace

std::optional<Kind> colourStep(Kind kind, StepDirection direction) {
    for (const StepRule& rule : kSteps)
        if (rule.from == kind) return direction == StepDirection::Up ? rule.up : rule.down;
    return std::nullopt;
}

bool canStep(Kind kind, StepDirection direction) {
    if (!isArrow(kind)) return false;
    if (isTwoWay(kind)) return true;
    return kindText(kind).ends_with(direction == StepDirection::Up ? "up" : "down");
}

std::span<const Kind> colourSearchTries(Kind kind) {
    for (const SearchRule& rule : kSearches)
        if (rule.from == kind) return {rule.tries.data(), static_cast<std::size_t>(rule.count)};
    return {};
}

} // namespace quadrelle
