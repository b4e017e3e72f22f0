// SPDX-License-Identifier: MIT
// Naming stored texts and applying a change to them.
#include "StoredTexts.h"

namespace quadrelle::play {

std::string storedKey(std::string_view section, std::string_view key) {
    std::string name(section);
    name += '/';
    name += key;
    return name;
}

void SettingsChange::applyTo(StoredTexts& texts) const {
    for (const std::string& section : replacedSections) {
        const std::string prefix = storedKey(section, "");
        for (auto key = texts.lower_bound(prefix); key != texts.end() && key->first.starts_with(prefix);)
            key = texts.erase(key);
    }
    for (const auto& [key, value] : values) texts[key] = value;
}

} // namespace quadrelle::play
