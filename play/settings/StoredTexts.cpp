// SPDX-License-Identifier: MIT
// Naming stored texts and applying a change to them.
#include "StoredTexts.h"

#include <iterator>

namespace quadrelle::play {

std::string storedKey(std::string_view section, std::string_view key) {
    std::string name(section);
    name += '/';
    name += key;
    return name;
}

void apply(const SettingsChange& change, StoredTexts& texts) {
    for (const std::string& section : change.replacedSections) {
        const std::string prefix = storedKey(section, "");
        for (auto key = texts.lower_bound(prefix); key != texts.end() && key->first.starts_with(prefix);)
            key = texts.erase(key);
    }
    for (const auto& [key, value] : change.values) texts[key] = value;
}

} // namespace quadrelle::play
