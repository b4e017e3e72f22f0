// SPDX-License-Identifier: MIT
// When each setting is read and saved, and the best scores kept in step with the stored ones.
#include "SettingsKeeper.h"

#include <utility>

namespace quadrelle::play {

SettingsKeeper::SettingsKeeper(SettingsStorage& storage, Calendar today)
    : storage_(storage), today_(std::move(today)) {
    const StoredTexts stored = storage_.read();
    start_ = settingsIn(stored);
    options_ = optionsIn(stored);
    bestScores_ = BestScores::storedIn(stored, today_());
}

bool SettingsKeeper::changeOptions(const Options& options) {
    options_ = options;
    return storage_.set(textsOf(options_));
}

void SettingsKeeper::highScoreRaised() {
    highScoreUnsaved_ = true;
}

bool SettingsKeeper::saveRaisedHighScore(std::int64_t highScore) {
    if (!std::exchange(highScoreUnsaved_, false)) return true;
    return storage_.set(highScoreTextOf(highScore));
}

std::optional<int> SettingsKeeper::gameOver(const FinishedGame& game, std::int64_t highScore) {
    const BestScoreEntry entry{game.score, game.level, today_(), game.number.value};
    latestBestScores();
    if (enteredThisGame_) bestScores_.remove(*enteredThisGame_);
    enteredThisGame_.reset();
    if (!bestScores_.insert(entry)) return std::nullopt;
    StoredTexts alsoSaved;
    if (std::exchange(highScoreUnsaved_, false)) alsoSaved = highScoreTextOf(highScore);
    saveBestScores(alsoSaved);
    const auto rank = bestScores_.rankOf(entry);
    if (rank) enteredThisGame_ = entry;
    return rank;
}

void SettingsKeeper::newGameStarted() {
    enteredThisGame_.reset();
}

bool SettingsKeeper::clearBestScores() {
    bestScores_.clear();
    enteredThisGame_.reset();
    return saveBestScores({});
}

const BestScores& SettingsKeeper::latestBestScores() {
    bestScores_.mergeWith(BestScores::storedIn(storage_.read(), today_()));
    return bestScores_;
}

bool SettingsKeeper::saveAll(const Settings& settings) {
    return saveBestScores(textsOf(settings));
}

bool SettingsKeeper::saveBestScores(const StoredTexts& alsoSaved) {
    const bool saved = storage_.update([&](const StoredTexts& current) {
        bestScores_.mergeWith(BestScores::storedIn(current, today_()));
        SettingsChange change = bestScores_.storedChange();
        change.values.insert(alsoSaved.begin(), alsoSaved.end());
        return change;
    });
    if (saved) bestScores_.savedAll();
    return saved;
}

} // namespace quadrelle::play
