// SPDX-License-Identifier: MIT
// Reading, ranking and writing the best scores.
#include "BestScores.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <map>

namespace quadrelle::app {

namespace {

constexpr auto kDateFormat = "yyyy-MM-dd";

QString textOf(const BestScoreEntry& entry) {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(entry.score)
        .arg(entry.level)
        .arg(entry.date.toString(QLatin1StringView(kDateFormat)))
        .arg(entry.gameNumber);
}

std::optional<BestScoreEntry> entryFrom(const QString& text) {
    const QStringList fields = text.split(QLatin1Char(' '));
    if (fields.size() != 4) return std::nullopt;
    bool scoreOk = false, levelOk = false, gameOk = false;
    BestScoreEntry entry;
    entry.score = fields[0].toLongLong(&scoreOk);
    entry.level = fields[1].toInt(&levelOk);
    entry.date = QDate::fromString(fields[2], QLatin1StringView(kDateFormat));
    entry.gameNumber = fields[3].toULongLong(&gameOk);
    if (!scoreOk || !levelOk || !gameOk || !entry.date.isValid()) return std::nullopt;
    if (entry.score <= 0 || entry.level < 1) return std::nullopt;
    return entry;
}

// The stored entries by their rank key; keys that are not whole numbers are ignored.
std::map<int, QString> storedTexts(QSettings& settings) {
    std::map<int, QString> texts;
    settings.beginGroup(QLatin1StringView(kBestScoresGroup));
    for (const QString& key : settings.childKeys()) {
        bool isRank = false;
        const int rank = key.toInt(&isRank);
        // A value holding commas reads as a list, which is no entry of ours.
        const QVariant value = settings.value(key);
        if (isRank && value.typeId() == QMetaType::QString) texts.emplace(rank, value.toString());
    }
    settings.endGroup();
    return texts;
}

bool ranksAbove(const BestScoreEntry& a, const BestScoreEntry& b) {
    return a.score > b.score;
}

} // namespace

void BestScores::load(QSettings& settings) {
    entries_.clear();
    for (const auto& [rank, text] : storedTexts(settings))
        if (const auto entry = entryFrom(text)) entries_.push_back(*entry);
    // A file edited by hand may be out of order or too long.
    std::stable_sort(entries_.begin(), entries_.end(), ranksAbove);
    if (entries_.size() > kBestScoresKept) entries_.resize(kBestScoresKept);
}

std::vector<std::pair<QString, QString>> BestScores::storedValues() const {
    std::vector<std::pair<QString, QString>> values;
    for (int rank = 1; rank <= kBestScoresKept; ++rank) {
        const auto index = static_cast<std::size_t>(rank - 1);
        values.emplace_back(QStringLiteral("%1/%2").arg(QLatin1StringView(kBestScoresGroup)).arg(rank),
                            index < entries_.size() ? textOf(entries_[index]) : QString());
    }
    return values;
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
    return rank;
}

void BestScores::remove(const BestScoreEntry& entry) {
    const auto found = std::find(entries_.begin(), entries_.end(), entry);
    if (found != entries_.end()) entries_.erase(found);
}

} // namespace quadrelle::app
