// SPDX-License-Identifier: MIT
// Writing and strictly reading a date.
#include "CalendarDate.h"

#include <array>
#include <cstdio>

#include "settings/WholeNumber.h"

namespace quadrelle::play {

namespace {

constexpr std::size_t kDateLength = 10; // yyyy-MM-dd

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits where the format has them and dashes where it has those, so no sign or space gets in.
bool hasTheDateLayout(std::string_view text) {
    if (text.size() != kDateLength) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((i == 4 || i == 7) ? text[i] != '-' : !isDigit(text[i])) return false;
    return true;
}

} // namespace

std::string dateTextOf(CalendarDate date) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text.data();
}

std::optional<CalendarDate> dateOfText(std::string_view text) {
    if (!hasTheDateLayout(text)) return std::nullopt;
    const auto year = wholeNumberOf<int>(text.substr(0, 4));
    const auto month = wholeNumberOf<unsigned>(text.substr(5, 2));
    const auto day = wholeNumberOf<unsigned>(text.substr(8, 2));
    const CalendarDate date{std::chrono::year(*year), std::chrono::month(*month), std::chrono::day(*day)};
    // Years count from 1: no game dated an entry 0000.
    if (*year == 0 || !date.ok()) return std::nullopt;
    return date;
}

CalendarDate dayAfter(CalendarDate date) {
    return std::chrono::sys_days(date) + std::chrono::days(1);
}

} // namespace quadrelle::play
