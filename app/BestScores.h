// SPDX-License-Identifier: MIT
// The ten best games, kept in the settings file beside "HiScore" and "StartLevel" in a
// section of their own:
//
//   [BestScores]
//   1=1250 7 2026-12-09 8812734412
//   2=...
//
// one key per rank, each value "score level date game-number" (the date as yyyy-MM-dd).
// Entries that do not read back exactly so are dropped when loading; the game goes on.
#pragma once

#include <QDate>

#include <cstdint>
#include <optional>
#include <vector>

class QSettings;

namespace quadrelle::app {

inline constexpr auto kBestScoresGroup = "BestScores";
inline constexpr int kBestScoresKept = 10;

struct BestScoreEntry {
    std::int64_t score = 0;
    int level = 1;
    QDate date;
    std::uint64_t gameNumber = 0;

    friend bool operator==(const BestScoreEntry&, const BestScoreEntry&) = default;
};

class BestScores {
public:
    // Best first; equal scores in the order they entered.
    const std::vector<BestScoreEntry>& entries() const { return entries_; }

    // Replaces the table with the stored one (empty when there is none).
    void load(QSettings& settings);
    // Every rank's key under the section, with its entry's text, or an empty text for a rank
    // the table does not fill, so saving them replaces a longer stored table.
    std::vector<std::pair<QString, QString>> storedValues() const;

    // Whether a game with this score would enter: above zero, and above the tenth when the
    // table is full (a tie with the tenth stays out: the earlier game keeps its place).
    bool qualifies(std::int64_t score) const;
    // Enters the game if it qualifies; its rank from 1, or nothing.
    std::optional<int> insert(const BestScoreEntry& entry);
    // Takes out the first entry equal to this one, if any.
    void remove(const BestScoreEntry& entry);
    void clear() { entries_.clear(); }

private:
    std::vector<BestScoreEntry> entries_;
};

} // namespace quadrelle::app
