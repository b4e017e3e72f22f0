// SPDX-License-Identifier: MIT
#include "BrowserLanguage.h"

#include <emscripten/val.h>

#include <string>
#include <vector>

namespace quadrelle::web {

play::Language browserLanguage() {
    const emscripten::val navigator = emscripten::val::global("navigator");
    std::vector<std::string> preferred;
    const emscripten::val languages = navigator["languages"];
    if (languages.isArray()) {
        const int count = languages["length"].as<int>();
        for (int i = 0; i < count; ++i) preferred.push_back(languages[i].as<std::string>());
    }
    // Older browsers give one language only.
    if (preferred.empty() && navigator["language"].isString())
        preferred.push_back(navigator["language"].as<std::string>());
    return play::languageOf(preferred);
}

const char* languageTag(play::Language language) {
    switch (language) {
    case play::Language::German: return "de";
    case play::Language::French: return "fr";
    case play::Language::English: break;
    }
    return "en";
}

} // namespace quadrelle::web
