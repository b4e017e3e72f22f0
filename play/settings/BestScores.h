// SPDX-License-Identifier: MIT
// The ten best games, stored beside "HiScore" and "StartLevel" in a section of their own:
//
//   [BestScores]
//   1=1250 7 2026-12-09 8812734412
//   2=...
//
// one key per rank, each value "score level date game-number" (BestScoreText.h). Entries that
// do not read back exactly so are dropped when loading; the game goes on.
//
// Another game may save its own best scores while this one runs, so this table keeps what
// this run changed (entries made, entries replaced, a clearing) and applies just that to the
// stored table when it is saved, instead of writing its own copy over the other game's.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "BestScoreText.h"
#include "StoredTexts.h"

namespace quadrelle::play {

inline constexpr auto kBestScoresSection = "BestScores";
inline constexpr int kBestScoresKept = 10;

class BestScores {
public:
    // The stored table, each entry once, the best ten (empty when there is none), with no
    // changes of this run.
    static BestScores storedIn(const StoredTexts& texts, CalendarDate today);

    // Best first; equal scores in the order they entered.
    const std::vector<BestScoreEntry>& entries() const { return entries_; }
    // Where the entry stands, from 1; nothing when it is not in the table.
    std::optional<int> rankOf(const BestScoreEntry& entry) const;

    // The stored table with this run's changes applied to it becomes the table. Once saved,
    // the changes are in the store and are forgotten (savedAll).
    void mergeWith(const BestScores& stored);
    void savedAll();
    // The change that writes the table as the whole section: keys 1 to N, nothing else, so no
    // key of an older, longer or hand-edited table is left to be read again.
    SettingsChange storedChange() const;

    // Whether a game with this score would enter: above zero, and above the tenth when the
    // table is full (a tie with the tenth stays out: the earlier game keeps its place).
    bool qualifies(std::int64_t score) const;
    // Enters the game if it qualifies; its rank from 1, or nothing.
    std::optional<int> insert(const BestScoreEntry& entry);
    // Takes out the first entry equal to this one, if any, here and at the next save.
    void remove(const BestScoreEntry& entry);
    // Empties the table, and the stored one at the next save.
    void clear();

private:
    void keepTheBest();

    std::vector<BestScoreEntry> entries_;
    std::vector<BestScoreEntry> entered_;
    std::vector<BestScoreEntry> removed_;
    bool cleared_ = false;
};

} // namespace quadrelle::play
