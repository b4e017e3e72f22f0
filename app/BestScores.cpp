// SPDX-License-Identifier: MIT
// Reading, ranking, merging and writing the best scores.
#include "BestScores.h"

#include <QSettings>

#include <algorithm>

#include "BestScoreText.h"

namespace quadrelle::app {

namespace {

// The stored entries, whatever their keys, in the order of their keys where those are ranks.
std::vector<BestScoreEntry> storedEntries(QSettings& settings) {
    std::vector<std::pair<int, BestScoreEntry>> ranked;
    const QDate today = QDate::currentDate();
    settings.beginGroup(QLatin1StringView(kBestScoresGroup));
    for (const QString& key : settings.childKeys()) {
        bool isRank = false;
        const int rank = key.toInt(&isRank);
        // A value holding commas reads as a list, which is no entry of ours.
        const QVariant value = settings.value(key);
        if (!isRank || value.typeId() != QMetaType::QString) continue;
        if (const auto entry = bestScoreEntryOf(value.toString(), today)) ranked.emplace_back(rank, *entry);
    }
    settings.endGroup();
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

std::optional<int> BestScores::rankOf(const BestScoreEntry& entry) const {
    const auto found = std::find(entries_.begin(), entries_.end(), entry);
    if (found == entries_.end()) return std::nullopt;
    return static_cast<int>(found - entries_.begin()) + 1;
}

void BestScores::load(QSettings& settings) {
    *this = {};
    // A file edited by hand, or by an older version, may repeat entries, be out of order or
    // be too long.
    for (const BestScoreEntry& entry : storedEntries(settings)) addIfAbsent(entries_, entry);
    keepTheBest();
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

IniChange BestScores::storedChange() const {
    IniChange change{{QString::fromLatin1(kBestScoresGroup)}, {}};
    for (std::size_t index = 0; index < entries_.size(); ++index)
        change.values.emplace_back(
            QStringLiteral("%1/%2").arg(QLatin1StringView(kBestScoresGroup)).arg(index + 1),
            storedTextOf(entries_[index]));
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

} // namespace quadrelle::app
