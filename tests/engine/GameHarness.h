// SPDX-License-Identifier: MIT
// Shared test harness: a game on virtual time with recorded sound and events and randomness
// that tests can script square by square, plus helpers to lay and read boards as kind texts.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "board/Odds.h"
#include "board/Picture.h"
#include "game/Game.h"
#include "game/GameEvents.h"
#include "game/SoundOutput.h"
#include "game/VirtualClock.h"
#include "reactions/Triples.h"

namespace quadrelle {

// Readable failure messages for squares and kinds.
inline void PrintTo(const Square& square, std::ostream* os) {
    *os << "{" << kindText(square.kind) << ", " << pictureName(square.picture)
        << (square.marked ? ", marked}" : "}");
}
inline void PrintTo(Kind kind, std::ostream* os) {
    *os << '"' << kindText(kind) << '"';
}
inline void PrintTo(Clip clip, std::ostream* os) {
    *os << (clip == Clip::Reaction ? "reaction" : "single removal");
}

} // namespace quadrelle

namespace quadrelle::test {

// Uniform draws handed out in order; once the script runs dry, a seeded stream takes over.
class ScriptedRandom : public RandomSource {
public:
    void reseed(std::uint64_t seed) override {
        ++reseeds;
        fallback_.reseed(seed);
    }
    float nextUniform() override {
        ++draws;
        if (script.empty()) return fallback_.nextUniform();
        const float u = script.front();
        script.pop_front();
        return u;
    }
    std::deque<float> script;
    int reseeds = 0;
    int draws = 0;

private:
    SeededRandom fallback_;
};

class RecordingSound : public SoundOutput {
public:
    void play(Clip clip) override { played.push_back(clip); }
    std::vector<Clip> played;
};

// Every notification of the game, in order, as short texts ("runs 2", "level 4").
class RecordingEvents : public GameEvents {
public:
    void newGameStarted(GameNumber number) override { add("new game " + std::to_string(number.value)); }
    void runsFound(int runs) override {
        lastRuns = runs;
        add("runs " + std::to_string(runs));
    }
    void countersChanged() override { ++counterChanges; }
    void levelUp(std::int64_t level) override { add("level " + std::to_string(level)); }
    void highScoreRaised(std::int64_t score) override { add("high score " + std::to_string(score)); }
    void gameOver(std::int64_t score) override { add("game over " + std::to_string(score)); }

    std::vector<std::string> seen;
    int lastRuns = 0;
    int counterChanges = 0;

private:
    void add(std::string text) { seen.push_back(std::move(text)); }
};

inline Kind kindOf(std::string_view text) {
    if (text == ".") return Kind::Removed;
    const auto kind = kindFromText(text);
    if (!kind) ADD_FAILURE() << "unknown kind text '" << text << "'";
    return kind.value_or(Kind::Empty);
}

// 36 kind texts separated by blanks, row by row; "." stands for "Removed".
inline std::array<Kind, kSquareCount> parseBoard(std::string_view text) {
    std::array<Kind, kSquareCount> kinds{};
    std::istringstream in{std::string(text)};
    std::string token;
    int index = 0;
    while (in >> token) {
        if (index < kSquareCount) kinds[static_cast<std::size_t>(index)] = kindOf(token);
        ++index;
    }
    EXPECT_EQ(index, kSquareCount) << "a board needs 36 kind texts";
    return kinds;
}

// The board as the same kind of text, one row per line, for readable comparisons.
inline std::string boardText(const Board& board) {
    std::string text;
    for (int index = 0; index < kSquareCount; ++index) {
        const Kind kind = board.kind(index);
        text += kind == Kind::Removed ? "." : std::string(kindText(kind));
        text += columnOf(index) == kBoardSide - 1 ? "\n" : " ";
    }
    return text;
}

// A board laid from kind texts, every square showing its kind's picture, none marked.
inline Board boardOf(std::string_view layout) {
    Board board;
    const auto kinds = parseBoard(layout);
    for (int i = 0; i < kSquareCount; ++i) board.setKindAndPicture(i, kinds[static_cast<std::size_t>(i)]);
    return board;
}

inline std::string boardText(std::string_view layout) {
    return boardText(boardOf(layout));
}

// A board where no triple can form, even with any one square changed to any colour: every
// line runs through three different colours in turn. Colours are digits, arrows optional.
inline std::string quietBoard(std::string_view colours = "012", bool arrows = false) {
    static constexpr std::array<std::string_view, 5> kArrowed = {"0up", "1up", "2up", "3up", "4down"};
    std::string text;
    for (int index = 0; index < kSquareCount; ++index) {
        const char digit = colours[static_cast<std::size_t>((rowOf(index) + columnOf(index)) % 3)];
        text += arrows ? std::string(kArrowed[static_cast<std::size_t>(digit - '0')]) : std::string(1, digit);
        text += ' ';
    }
    return text;
}

// The same with some squares replaced: {index, kind text}.
inline std::string quietBoardWith(std::initializer_list<std::pair<int, std::string_view>> changes,
                                  std::string_view colours = "012", bool arrows = false) {
    const auto base = parseBoard(quietBoard(colours, arrows));
    std::array<std::string, kSquareCount> texts;
    for (int i = 0; i < kSquareCount; ++i)
        texts[static_cast<std::size_t>(i)] = kindText(base[static_cast<std::size_t>(i)]);
    for (const auto& [index, kind] : changes) texts[static_cast<std::size_t>(index)] = kind;
    std::string text;
    for (const auto& t : texts) text += t + " ";
    return text;
}

// A uniform draw that the fill turns into the given kind at the given level.
inline float uniformFor(std::int64_t level, Kind kind) {
    const OddsRow& row = oddsRowForLevel(level);
    for (int i = 0; i < kChainLength; ++i) {
        if (kOddsChain[static_cast<std::size_t>(i)] != kind) continue;
        const int bound = row.bounds[static_cast<std::size_t>(i)];
        if (bound < 0) break;
        return (static_cast<float>(bound) - 0.25f) / row.total;
    }
    ADD_FAILURE() << "kind " << kindText(kind) << " cannot be drawn at level " << level;
    return 0.0f;
}

struct Tick {
    TimerId timer;
    std::int64_t at;
};

// A game ready to play: started with default settings, its first board replaced by the test's,
// every timer stopped, and the first plain release of the game already made. Positions are
// set up through edit(), which continues the game from the edited position.
struct GameHarness {
    explicit GameHarness(std::uint64_t gameNumber = 1) {
        clock.setTickHandler([this](TimerId timer) {
            ticks.push_back({timer, clock.now()});
            game.tick(timer);
            if (afterTick) afterTick(timer);
        });
        game.start({}, GameNumber{gameNumber});
        for (TimerId timer : kAllTimers) clock.setEnabled(timer, false);
        edit([](Position& p) { p.counters.freshBoard = false; });
        lay(quietBoard());
        sound.played.clear();
        events.seen.clear();
        events.counterChanges = 0;
    }

    GameHarness(const GameHarness&) = delete; // the game holds references to the members
    GameHarness& operator=(const GameHarness&) = delete;

    const Board& board() const { return game.board(); }
    const Counters& counters() const { return game.counters(); }
    Game::Ports ports() { return {clock, random, sound, events}; }

    template <typename Change> void edit(Change change) {
        Position position = game.position();
        change(position);
        game.resumeFrom(position);
    }

    void lay(std::string_view text) {
        const auto kinds = parseBoard(text);
        edit([&](Position& p) {
            for (int i = 0; i < kSquareCount; ++i) {
                p.board[i] = Square{};
                p.board.setKindAndPicture(i, kinds[static_cast<std::size_t>(i)]);
            }
        });
    }
    std::string text() const { return boardText(game.board()); }

    // The scan that ends the pause after a click; returns the number of runs it found.
    int scan() {
        events.lastRuns = 0;
        game.tick(TimerId::WaitAfterClick);
        return events.lastRuns;
    }

    // The next squares that the fill gives a kind receive these kinds, in index order.
    void refillWith(std::initializer_list<std::string_view> kinds) {
        for (std::string_view k : kinds)
            random.script.push_back(uniformFor(game.counters().level, kindOf(k)));
    }

    // The next full fill gives the board these 36 kinds.
    void scriptBoard(std::string_view text) {
        for (Kind kind : parseBoard(text)) random.script.push_back(uniformFor(game.counters().level, kind));
    }

    void click(int index, Half half = Half::Upper) {
        game.press(index, Button::Plain, half);
        game.release(index, Button::Plain, half);
    }
    void rightClick(int index) {
        game.press(index, Button::Special, Half::Upper);
        game.release(index, Button::Special, Half::Upper);
    }

    int ticksOf(TimerId timer) const {
        int n = 0;
        for (const Tick& t : ticks) n += t.timer == timer ? 1 : 0;
        return n;
    }
    bool enabled(TimerId timer) const { return clock.isEnabled(timer); }

    VirtualClock clock;
    ScriptedRandom random;
    RecordingSound sound;
    RecordingEvents events;
    Game game{ports()};
    std::vector<Tick> ticks;
    std::function<void(TimerId)> afterTick;
};

} // namespace quadrelle::test
