// SPDX-License-Identifier: MIT
// One game of Quadrelle!: the board, the counters and the rules that move them, driven by the
// player's presses and releases, the "New Game" button, the start-level choice and the ticks
// of its timers. Time arrives only as ticks through tick(), randomness from the injected
// source reseeded from the game number, sound leaves through the sound port and what happened
// through the events port. Every event runs to completion: nothing else runs in the middle.
#pragma once

#include <cstdint>
#include <optional>

#include "board/Board.h"
#include "board/Fill.h"
#include "board/Random.h"
#include "game/Counters.h"
#include "game/GameEvents.h"
#include "game/GameNumber.h"
#include "game/Input.h"
#include "game/Position.h"
#include "game/Settings.h"
#include "game/SoundOutput.h"
#include "game/Timers.h"
#include "input/ColourChanges.h"
#include "input/Hint.h"

namespace quadrelle {

class Game {
public:
    // The services a game runs on; they must outlive it.
    struct Ports {
        TimerService& timers;
        RandomSource& random;
        SoundOutput& sound;
        GameEvents& events;
    };

    // A game before its start: an empty board.
    explicit Game(Ports ports);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Goes on from the given position, as tests, the simulator and benchmarks set up play; the
    // timers stay as the timer service has them, and no event is reported.
    void resumeFrom(const Position& position);

    // The first game of a run, with the stored settings.
    void start(const Settings& settings, GameNumber number);
    // "New Game": a fresh board at the start level; without a number, the one after this game's.
    void newGame();
    void newGame(GameNumber number);
    // The level the next new game starts at, held to 1 … 9.
    void setStartLevel(int level);
    void clearHighScore();
    void press(int square, Button button, Half half);
    void release(int square, Button button, Half half);
    void tick(TimerId timer);

    // The keyboard's moves, each a whole press and release. A click is the plain one in the
    // upper half; a step up or down steps along an arrow the square has, and does nothing
    // otherwise; a search is the special one: a colour search, or an eraser on a plain square.
    void click(int square);
    void stepUp(int square);
    void stepDown(int square);
    void search(int square);
    // A move that reacts on the board as it stands (findHint, with the erasers held).
    std::optional<Hint> hint() const;

    Settings settingsToSave() const;
    const Board& board() const { return board_; }
    const Counters& counters() const { return counters_; }
    const TimerService& timers() const { return timers_; }
    GameNumber gameNumber() const { return gameNumber_; }
    Position position() const { return {board_, counters_, gameNumber_}; }
    // No reaction chain is running: no scan, clearing, fall or refill is pending.
    bool atRest() const { return !chainRunning(timers_); }

private:
    // Runs one event, then reports whether it changed a counter.
    template <typename Step> void handle(Step step);

    // Lifecycle.
    void beginGame(GameNumber number);
    void fill(FillScope scope);

    // The reaction chain, in the order it runs.
    int scan();
    void removeMarkedSquares(Clip clip);
    void checkGameOver();
    void clearRemoved();
    void closeTheGaps();
    void refill();
    void scanAfterFill();
    void settle();
    void hideCombo();

    // The player's input.
    void colourSearch(int square);
    void singleRemoval(int square);
    void stepColour(int square, Half releaseHalf);
    void clickIfItSteps(int square, StepDirection direction, Half half);

    Board board_;
    Counters counters_;
    GameNumber gameNumber_;
    SeedChain seeds_{GameNumber{}};
    // The score this game last ended with, once it has ended.
    std::optional<std::int64_t> endedWithScore_;
    TimerService& timers_;
    RandomSource& random_;
    SoundOutput& sound_;
    GameEvents& events_;
};

template <typename Step> void Game::handle(Step step) {
    const Counters before = counters_;
    step();
    if (counters_ != before) events_.countersChanged();
}

} // namespace quadrelle
