// SPDX-License-Identifier: MIT
#include "Arguments.h"

#include <algorithm>
#include <cstdio>

#include "settings/WholeNumber.h"

namespace quadrelle::sim {

namespace {

constexpr std::size_t kQuotedCharacters = 40;

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string escaped(unsigned char byte) {
    switch (byte) {
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
    }
    if (byte >= 0x20 && byte != 0x7f) return std::string(1, static_cast<char>(byte));
    char code[5];
    std::snprintf(code, sizeof code, "\\x%02x", byte);
    return code;
}

} // namespace

std::string quoted(const std::string& value) {
    std::string text = "'";
    std::size_t characters = 0;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool continuesCharacter = (byte & 0xc0) == 0x80;
        if (!continuesCharacter && characters++ == kQuotedCharacters) return text + "\u2026'";
        text += escaped(byte);
    }
    return text + "'";
}

Arguments::Arguments(const std::vector<std::string>& words, const std::vector<std::string>& allowed) {
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const std::string& word = words[i];
        if (!startsWith(word, "--")) throw UsageError("unexpected argument " + quoted(word));
        const std::string name = word.substr(2);
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            throw UsageError("unknown option " + quoted(word));
        if (i + 1 >= words.size() || startsWith(words[i + 1], "--"))
            throw UsageError(word + " needs a value");
        if (!values_.emplace(name, words[i + 1]).second)
            throw UsageError("option '" + word + "' given twice");
    }
}

std::int64_t Arguments::integer(const std::string& name, std::int64_t min, std::int64_t max,
                                std::optional<std::int64_t> fallback) const {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        if (fallback) return *fallback;
        throw UsageError("missing option '--" + name + "'");
    }
    const auto value = play::wholeNumberOf<std::int64_t>(found->second);
    if (!value || *value < min || *value > max)
        throw UsageError("option '--" + name + "' must be a whole number from " + std::to_string(min) +
                         " to " + std::to_string(max) + ", not " + quoted(found->second));
    return *value;
}

std::uint64_t Arguments::seed(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) throw UsageError("missing option '--" + name + "'");
    const auto value = play::wholeNumberOf<std::uint64_t>(found->second);
    if (!value)
        throw UsageError("option '--" + name + "' must be a whole number from 0 to 2^64-1, not " +
                         quoted(found->second));
    return *value;
}

} // namespace quadrelle::sim
