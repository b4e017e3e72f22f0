#include "Arguments.h"

#include <algorithm>
#include <charconv>

namespace quadrelle::sim {

namespace {

template <typename T> std::optional<T> parseWhole(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || ptr != end) return std::nullopt;
    return value;
}

} // namespace

Arguments::Arguments(const std::vector<std::string>& words, const std::vector<std::string>& allowed) {
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + word + "'");
        const std::string name = word.substr(2);
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            throw UsageError("unknown option '" + word + "'");
        if (i + 1 >= words.size()) throw UsageError("option '" + word + "' needs a value");
        if (!values_.emplace(name, words[i + 1]).second) throw UsageError("option '" + word + "' given twice");
    }
}

std::int64_t Arguments::integer(const std::string& name, std::int64_t min, std::int64_t max,
                                std::optional<std::int64_t> fallback) const {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        if (fallback) return *fallback;
        throw UsageError("missing option '--" + name + "'");
    }
    const auto value = parseWhole<std::int64_t>(found->second);
    if (!value || *value < min || *value > max)
        throw UsageError("option '--" + name + "' must be a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not '" + found->second + "'");
    return *value;
}

std::uint64_t Arguments::seed(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) throw UsageError("missing option '--" + name + "'");
    const auto value = parseWhole<std::uint64_t>(found->second);
    if (!value) throw UsageError("option '--" + name + "' must be a whole number from 0 to 2^64-1, not '" +
                                 found->second + "'");
    return *value;
}

} // namespace quadrelle::sim
