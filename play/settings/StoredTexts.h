// SPDX-License-Identifier: MIT
// The settings as every store holds them: plain texts named "Section/Key", such as
// "General/HiScore" or "BestScores/1". A store maps the names onto its own (the desktop's INI
// sections, the browser's keys); what the texts mean is read and written here in the play layer.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quadrelle::play {

using StoredTexts = std::map<std::string, std::string>;

std::string storedKey(std::string_view section, std::string_view key);

// What one save does: every key of the replaced sections goes, then the values are set. The
// other keys stay as they are, whoever wrote them.
struct SettingsChange {
    std::vector<std::string> replacedSections;
    StoredTexts values;

    // The change made to texts held as they are, as a store without a format of its own does it.
    void applyTo(StoredTexts& texts) const;
};

} // namespace quadrelle::play
