// SPDX-License-Identifier: MIT
// One player at one screen: the game with the player's options, the stored settings and the
// best scores, the keyboard cursor and the hint. A front end hands it every event; each ends
// with one screenChanged(), after which screen() says what to show, so the front end redraws
// from one place. Saving follows the game: a raised high score at once, the best scores when a
// game enters them, everything at unload.
#pragma once

#include <optional>

#include "game/Game.h"
#include "screen/Screen.h"
#include "session/BoardKeys.h"
#include "session/HintShow.h"
#include "session/WatchedStorage.h"
#include "settings/SettingsKeeper.h"
#include "sound/SoundSwitch.h"
#include "texts/Texts.h"

namespace quadrelle::play {

class SessionView {
public:
    virtual ~SessionView() = default;
    virtual void screenChanged() = 0;
    // A game over entered the best scores at this rank among the stored ones.
    virtual void bestScoresEntered(int rank) = 0;
};

// What the session runs on; each must outlive it. The alarm times the hint's frame and calls
// hintExpired() when it runs out.
struct SessionPorts {
    TimerService& timers;
    SoundDevice& sound;
    SettingsStorage& storage;
    Alarm& hintAlarm;
    Calendar today;
    SessionView& view;
};

class Session : private GameEvents {
public:
    Session(const SessionPorts& ports, Language language);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The first game, with the stored settings.
    void start(GameNumber number);

    void press(int square, Button button, Half half);
    void release(int square, Button button, Half half);
    void tick(TimerId timer);
    void newGame(GameNumber number);
    void setStartLevel(int level);
    void pressBoardKey(BoardKey key);
    // Puts the cursor on a square, as a screen reader's focus on it does; off the board it stays.
    void moveCursor(int square);
    // The hint appears once the board is at rest, framed until the alarm runs out.
    void requestHint();
    void hintExpired();
    void setSoundOn(bool on);
    void setColourSymbols(bool on);
    void clearHighScore();
    // Saved at once; false when the store could not be written.
    bool clearBestScores();
    // Goes on from a position, at rest, as tests set up play.
    void resume(const Position& position);

    // Both settings and the best scores, as a desktop session asks before it ends.
    void saveAll();
    // The end of play: nothing is saved after it but this last save.
    void unload();

    const Screen& screen() const { return screen_; }
    const Game& game() const { return game_; }
    const Options& options() const { return settings_.options(); }
    const BestScores& bestScores() const { return settings_.bestScores(); }
    const BestScores& latestBestScores() { return settings_.latestBestScores(); }
    void prepareSound() { sound_.prepare(); }

private:
    // Ends every event: a hint that waited for rest, a raised high score, the new screen.
    void finish();
    void showNotice(std::string text);
    void updateScreen();

    void newGameStarted(GameNumber number) override;
    void highScoreRaised(std::int64_t score) override;
    void gameOver(std::int64_t score) override;

    Language language_;
    SessionView& view_;
    WatchedStorage storage_;
    SettingsKeeper settings_;
    SoundSwitch sound_;
    SeededRandom random_;
    Game game_;
    BoardCursor cursor_;
    HintShow hintShow_;
    Screen screen_;
    std::optional<int> enteredRank_;
    bool unloaded_ = false;
};

} // namespace quadrelle::play
