// SPDX-License-Identifier: MIT
// The player's settings over a whole run, the same for every screen: read once at start; the
// options saved when they change; a raised high score saved at once, so that a crash or a
// forced quit later in the run cannot lose it; a game that enters the best scores saved at
// once, with that high score in the same save; a clearing of the best scores saved at once;
// everything saved at close. The best scores are merged with what another running game saved
// meanwhile (BestScores::mergeWith), from what is stored at the moment of writing.
#pragma once

#include <cstdint>
#include <optional>

#include "BestScores.h"
#include "SettingsStorage.h"
#include "StoredSettings.h"
#include "game/GameNumber.h"

namespace quadrelle::play {

// How a game ended, as the best scores keep it.
struct FinishedGame {
    std::int64_t score = 0;
    int level = 1;
    GameNumber number;
};

class SettingsKeeper {
public:
    SettingsKeeper(SettingsStorage& storage, Calendar today);

    // As read at start, with the defaults for what is absent or not valid.
    const Settings& startSettings() const { return start_; }
    const Options& options() const { return options_; }
    // The table as this run last saw it.
    const BestScores& bestScores() const { return bestScores_; }

    // Each save returns false when the store was left as it was; the game goes on.
    bool changeOptions(const Options& options);

    // A raised high score waits to be saved with the best scores of the game that raised it,
    // which ends in the same step; saveRaisedHighScore, called right after, saves it alone if
    // that game did not enter them.
    void highScoreRaised();
    bool saveRaisedHighScore(std::int64_t highScore);

    // Enters the game in the best scores, in place of this play's earlier entry when it ends
    // again higher, and saves at once; the rank where it stands among the stored scores too,
    // or nothing when it stays out.
    std::optional<int> gameOver(const FinishedGame& game, std::int64_t highScore);
    void newGameStarted();

    // Saved at once, so that a game still running elsewhere merges with the cleared table,
    // not with the table it read at its start.
    bool clearBestScores();
    // The table with what other games entered or cleared since this one last looked.
    const BestScores& latestBestScores();

    // The high score, the start level and the best scores in one save, as at close.
    bool saveAll(const Settings& settings);

private:
    bool saveBestScores(const StoredTexts& alsoSaved);

    SettingsStorage& storage_;
    Calendar today_;
    Settings start_;
    Options options_;
    BestScores bestScores_;
    // This play's entry in the best scores, replaced if the game ends again higher.
    std::optional<BestScoreEntry> enteredThisGame_;
    bool highScoreUnsaved_ = false;
};

} // namespace quadrelle::play
