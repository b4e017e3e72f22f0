// SPDX-License-Identifier: MIT
// Writing and strictly reading one best-scores entry.
#include "BestScoreText.h"

#include <vector>

#include "game/Settings.h"
#include "screen/Captions.h"
#include "settings/WholeNumber.h"

namespace quadrelle::play {

namespace {

template <typename Number>
std::optional<Number> numberIn(std::string_view text, Number lowest, Number highest) {
    const auto value = wholeNumberOf<Number>(text);
    if (!value || *value < lowest || *value > highest) return std::nullopt;
    return value;
}

std::optional<CalendarDate> dateIn(std::string_view text, CalendarDate today) {
    const auto date = dateOfText(text);
    if (!date || *date > dayAfter(today)) return std::nullopt;
    return date;
}

// Split at every space, so that two spaces make an empty field.
std::vector<std::string_view> fieldsOf(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t space = text.find(' ', start);
        fields.push_back(text.substr(start, space - start));
        if (space == std::string_view::npos) return fields;
        start = space + 1;
    }
}

} // namespace

std::string storedTextOf(const BestScoreEntry& entry) {
    return numberText(entry.score) + ' ' + numberText(entry.level) + ' ' + dateTextOf(entry.date) + ' ' +
           std::to_string(entry.gameNumber);
}

std::optional<BestScoreEntry> bestScoreEntryOf(std::string_view text, CalendarDate today) {
    const std::vector<std::string_view> fields = fieldsOf(text);
    if (fields.size() != 4) return std::nullopt;
    const auto score = numberIn<std::int64_t>(fields[0], 1, kMaxStoredHighScore);
    const auto level = numberIn<int>(fields[1], 1, kMaxBestScoreLevel);
    const auto date = dateIn(fields[2], today);
    const auto gameNumber = wholeNumberOf<std::uint64_t>(fields[3]);
    if (!score || !level || !date || !gameNumber) return std::nullopt;
    return BestScoreEntry{*score, *level, *date, *gameNumber};
}

} // namespace quadrelle::play
