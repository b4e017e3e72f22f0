#include "game/Counters.h"

#include <charconv>

namespace quadrelle {

namespace {

std::optional<std::int64_t> parseInteger(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || ptr != end) return std::nullopt;
    return value;
}

} // namespace

std::string numberText(std::int64_t value) { return std::to_string(value); }

Captions captionsOf(const Counters& c) {
    return {numberText(c.score),   numberText(c.reactionsLeft), numberText(c.comboCount),
            numberText(c.removes), numberText(c.level),         numberText(c.startLevel),
            numberText(c.highScore)};
}

std::optional<std::int64_t> parseHighScore(std::string_view text) {
    const auto value = parseInteger(text);
    if (!value || *value < 0 || *value > kMaxStoredHighScore) return std::nullopt;
    return value;
}

std::optional<int> parseStartLevel(std::string_view text) {
    const auto value = parseInteger(text);
    if (!value || *value < kMinStartLevel || *value > kMaxStartLevel) return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace quadrelle
