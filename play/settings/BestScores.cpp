// SPDX-License-Identifier: MIT
// Reading, ranking, merging and writing the best scores.
#include "BestScores.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "settings/WholeNumber.h"

namespace quadrelle::play {

namespace {

// A key names a rank however a hand edit wrote the number: spaces around it and a sign are
// let through.
std::optional<int> rankOfKey(std::string_view key) {
    constexpr std::string_view kSpaces = " \t\n\v\f\r";
    const std::size_t first = key.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) return std::nullopt;
    key = key.substr(first, key.find_last_not_of(kSpaces) - first + 1);
    if (key.starts_with('+') && !key.starts_with("+-")) key.remove_prefix(1);
    return wholeNumberOf<int>(key);
}

// The stored entries, whatever their keys, in the order of their keys where those are ranks.
std::vector<BestScoreEntry> storedEntries(const StoredTexts& texts, CalendarDate today) {
    std::vector<std::pair<int, BestScoreEntry>> ranked;
    const std::string prefix = storedKey(kBestScoresSection, "");
    for (auto stored = texts.lower_bound(prefix); stored != texts.end() && stored->first.starts_with(prefix);
         ++stored) {
        const auto rank = rankOfKey(std::string_view(stored->first).substr(prefix.size()));
        if (!rank) continue;
        if (const auto entry = bestScoreEntryOf(stored->second, today)) ranked.emplace_back(*rank, *entry);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<BestScoreEntry> entries;
    for (const auto& [rank, entry] : ranked) entries.push_back(entry);
    return entries;
}

// Equal scores by date, so that across games too the earlier game keeps the higher rank.
bool ranksAbove(const BestScoreEntry& a, const BestScoreEntry& b) {
    return a.score > b.score || (a.score == b.score && a.date < b.date);
}

void eraseFirst(std::vector<BestScoreEntry>& entries, const BestScoreEntry& entry) {
    const auto found = std::find(entries.begin(), entries.end(), entry);
    if (found != entries.end()) entries.erase(found);
}

void addIfAbsent(std::vector<BestScoreEntry>& entries, const BestScoreEntry& entry) {
    if (std::find(entries.begin(), entries.end(), entry) == entries.end()) entries.push_back(entry);
}

} // namespace

BestScores BestScores::storedIn(const StoredTexts& texts, CalendarDate today) {
    BestScores scores;
    // A table edited by hand, or by an older version, may repeat entries, be out of order or
    // be too long.
    for (const BestScoreEntry& entry : storedEntries(texts, today)) addIfAbsent(scores.entries_, entry);
    scores.keepTheBest();
    return scores;
}

std::optional<int> BestScores::rankOf(const BestScoreEntry& entry) const {
    const auto found = std::find(entries_.begin(), entries_.end(), entry);
    if (found == entries_.end()) return std::nullopt;
    return static_cast<int>(found - entries_.begin()) + 1;
}

void BestScores::mergeWith(const BestScores& stored) {
    std::vector<BestScoreEntry> merged;
    if (!cleared_) merged = stored.entries_;
    for (const BestScoreEntry& entry : removed_) eraseFirst(merged, entry);
    for (const BestScoreEntry& entry : entered_) addIfAbsent(merged, entry);
    entries_ = std::move(merged);
    keepTheBest();
}

void BestScores::savedAll() {
    entered_.clear();
    removed_.clear();
    cleared_ = false;
}

SettingsChange BestScores::storedChange() const {
    SettingsChange change{{kBestScoresSection}, {}};
    for (std::size_t index = 0; index < entries_.size(); ++index)
        change.values[storedKey(kBestScoresSection, std::to_string(index + 1))] =
            storedTextOf(entries_[index]);
    return change;
}

bool BestScores::qualifies(std::int64_t score) const {
    if (score <= 0) return false;
    return entries_.size() < kBestScoresKept || score > entries_.back().score;
}

std::optional<int> BestScores::insert(const BestScoreEntry& entry) {
    if (!qualifies(entry.score)) return std::nullopt;
    // After every entry of an equal score, so the earlier game keeps the higher rank.
    const auto place = std::upper_bound(entries_.begin(), entries_.end(), entry, ranksAbove);
    const auto rank = static_cast<int>(place - entries_.begin()) + 1;
    entries_.insert(place, entry);
    if (entries_.size() > kBestScoresKept) entries_.pop_back();
    entered_.push_back(entry);
    return rank;
}

void BestScores::remove(const BestScoreEntry& entry) {
    eraseFirst(entries_, entry);
    eraseFirst(entered_, entry);
    // The stored table may hold it from an earlier save.
    removed_.push_back(entry);
}

void BestScores::clear() {
    *this = {};
    cleared_ = true;
}

void BestScores::keepTheBest() {
    std::stable_sort(entries_.begin(), entries_.end(), ranksAbove);
    if (entries_.size() > kBestScoresKept) entries_.resize(kBestScoresKept);
}

} // namespace quadrelle::play
