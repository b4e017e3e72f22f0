// SPDX-License-Identifier: MIT
#include "texts/Texts.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace quadrelle::play {

namespace {

struct Translation {
    Language language;
    std::string_view context;
    std::string_view text;
    std::string_view comment;
    std::string_view translated;
};

constexpr Translation kCatalogue[] = {
#include "TextCatalogue.inc"
};

// "de-AT" and "fr_CA.UTF-8" give "de" and "fr"; "C.UTF-8" gives "c".
std::string primaryTag(const std::string& name) {
    std::string tag;
    for (const char c : name) {
        if (c == '-' || c == '_' || c == '.' || c == '@') break;
        tag += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return tag;
}

} // namespace

Language languageOf(const std::vector<std::string>& preferred) {
    for (const std::string& name : preferred) {
        const std::string tag = primaryTag(name);
        if (tag == "de") return Language::German;
        if (tag == "fr") return Language::French;
        if (tag == "en" || tag == "c" || tag == "posix") return Language::English;
    }
    return Language::English;
}

std::string_view translate(Language language, std::string_view context, std::string_view text,
                           std::string_view comment) {
    const auto found = std::find_if(std::begin(kCatalogue), std::end(kCatalogue), [&](const Translation& t) {
        return t.language == language && t.text == text && t.context == context && t.comment == comment;
    });
    return found == std::end(kCatalogue) ? text : found->translated;
}

} // namespace quadrelle::play
