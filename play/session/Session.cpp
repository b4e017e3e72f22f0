// SPDX-License-Identifier: MIT
#include "session/Session.h"

#include <utility>

#include "screen/HintText.h"
#include "screen/SquareNames.h"
#include "screen/WindowTexts.h"

namespace quadrelle::play {

Session::Session(const SessionPorts& ports, Language language)
    : language_(language), view_(ports.view), storage_(ports.storage), settings_(storage_, ports.today),
      sound_(ports.sound), game_({ports.timers, random_, sound_, *this}), hintShow_(ports.hintAlarm) {
    sound_.setOn(settings_.options().sound);
}

void Session::start(GameNumber number) {
    game_.start(settings_.startSettings(), number);
    finish();
}

void Session::press(int square, Button button, Half half) {
    game_.press(square, button, half);
    finish();
}

void Session::release(int square, Button button, Half half) {
    game_.release(square, button, half);
    finish();
}

void Session::tick(TimerId timer) {
    game_.tick(timer);
    finish();
}

void Session::newGame(GameNumber number) {
    game_.newGame(number);
    finish();
}

void Session::setStartLevel(int level) {
    game_.setStartLevel(level);
    finish();
}

void Session::pressBoardKey(BoardKey key) {
    cursor_.press(key, game_);
    finish();
}

void Session::moveCursor(int square) {
    cursor_.moveTo(square);
    finish();
}

void Session::requestHint() {
    hintShow_.request();
    finish();
}

void Session::hintExpired() {
    hintShow_.expire();
    finish();
}

void Session::setSoundOn(bool on) {
    settings_.changeOptions({on, settings_.options().colourSymbols});
    sound_.setOn(on);
    showNotice(soundNotice(on, language_));
    finish();
}

void Session::setColourSymbols(bool on) {
    settings_.changeOptions({settings_.options().sound, on});
    finish();
}

void Session::clearHighScore() {
    game_.clearHighScore();
    finish();
}

bool Session::clearBestScores() {
    const bool saved = settings_.clearBestScores();
    finish();
    return saved;
}

void Session::resume(const Position& position) {
    game_.resumeFrom(position);
    finish();
}

void Session::saveAll() {
    settings_.saveAll(game_.settingsToSave());
}

void Session::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    saveAll();
}

void Session::finish() {
    // A hint waits for a running chain to settle.
    if (hintShow_.update(game_)) showNotice(hintText(hintShow_.hint(), language_));
    // The game that raised the high score has ended by now; if it entered no best scores,
    // the high score is saved on its own.
    if (!unloaded_) settings_.saveRaisedHighScore(game_.settingsToSave().highScore);
    if (storage_.firstRefusal()) showNotice(settingsNotSavedNotice(language_));
    updateScreen();
    view_.screenChanged();
    if (const std::optional<int> rank = std::exchange(enteredRank_, std::nullopt))
        view_.bestScoresEntered(*rank);
}

void Session::showNotice(std::string text) {
    screen_.notice = {std::move(text), screen_.notice.number + 1};
}

void Session::updateScreen() {
    const Counters& counters = game_.counters();
    screen_.captions = captionsOf(counters);
    screen_.comboShown = counters.comboShown;
    screen_.gameOver = counters.gameOver;
    screen_.startLevel = counters.startLevel;
    screen_.gameNumber = game_.gameNumber();
    for (int index = 0; index < kSquareCount; ++index) {
        const auto at = static_cast<std::size_t>(index);
        screen_.pictures[at] = game_.board()[index].picture;
        screen_.squareNames[at] = squareName(game_.board()[index], language_);
    }
    screen_.colourSymbols = settings_.options().colourSymbols;
    screen_.cursor = cursor_.square();
    screen_.hint = hintShow_.hint();
}

void Session::newGameStarted(GameNumber) {
    settings_.newGameStarted();
}

void Session::highScoreRaised(std::int64_t) {
    settings_.highScoreRaised();
}

void Session::gameOver(std::int64_t score) {
    if (unloaded_) return;
    const FinishedGame finished{score, static_cast<int>(game_.counters().level), game_.gameNumber()};
    enteredRank_ = settings_.gameOver(finished, game_.settingsToSave().highScore);
}

} // namespace quadrelle::play
