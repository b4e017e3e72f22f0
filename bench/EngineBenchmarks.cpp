// SPDX-License-Identifier: MIT
// Speed of the engine's hot paths: scanning a quiet board, scanning a board that reacts, a
// whole-board fill, and a whole move from the release to the settled board on virtual time.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "board/Fill.h"
#include "game/Game.h"
#include "game/VirtualClock.h"

using namespace quadrelle;

namespace {

class Silence : public SoundOutput {
public:
    void play(Clip) override {}
};

struct Table {
    VirtualClock clock;
    SeededRandom random;
    Silence sound;
    GameEvents events;
    Game game{{clock, random, sound, events}};

    Table() {
        clock.setTickHandler([this](TimerId timer) { game.tick(timer); });
    }

    // Goes on from the given board in play, with every timer stopped.
    void lay(const std::array<std::string_view, kSquareCount>& kinds) {
        Position position{{}, {}, GameNumber{42}};
        for (int index = 0; index < kSquareCount; ++index)
            position.board.setKindAndPicture(index, *kindFromText(kinds[static_cast<std::size_t>(index)]));
        for (TimerId timer : kAllTimers) clock.setEnabled(timer, false);
        game.resumeFrom(position);
    }

    // The scan that ends the pause after a click.
    void scan() { game.tick(TimerId::WaitAfterClick); }
};

// Arrow squares only, with no three of a colour in a line: nothing reacts, nothing is over.
constexpr std::array<std::string_view, kSquareCount> kQuietBoard = {
    "0up",   "1up",   "2up",   "3up",   "4down", "0up",   //
    "1down", "2down", "3down", "4down", "0up",   "1down", //
    "2up",   "3up",   "4down", "0up",   "1up",   "2up",   //
    "3down", "4down", "0up",   "1down", "2down", "3down", //
    "4down", "0up",   "1up",   "2up",   "3up",   "4down", //
    "0up",   "1down", "2down", "3down", "4down", "0up",   //
};

// The quiet board with a run of colour 2 across the top row and one of colour 1 down column 0.
constexpr std::array<std::string_view, kSquareCount> kReactingBoard = {
    "1up",   "2up",   "2down", "2",     "4down", "0up",   //
    "1down", "2down", "3down", "4down", "0up",   "1down", //
    "1",     "3up",   "4down", "0up",   "1up",   "2up",   //
    "3down", "4down", "0up",   "1down", "2down", "3down", //
    "4down", "0up",   "1up",   "2up",   "3up",   "4down", //
    "0up",   "1down", "2down", "3down", "4down", "0up",   //
};

void BM_ScanQuietBoard(benchmark::State& state) {
    Table table;
    table.lay(kQuietBoard);
    for (auto _ : state) {
        table.scan();
        if (!table.game.atRest()) state.SkipWithError("the quiet board reacted");
    }
}
BENCHMARK(BM_ScanQuietBoard);

void BM_ScanReactingBoard(benchmark::State& state) {
    Table table;
    for (auto _ : state) {
        state.PauseTiming();
        table.lay(kReactingBoard);
        state.ResumeTiming();
        table.scan();
        benchmark::DoNotOptimize(table.game.board());
    }
}
BENCHMARK(BM_ScanReactingBoard);

void BM_FillWholeBoard(benchmark::State& state) {
    // The game's fill: a reseed from the game's chain, then one draw per square.
    SeedChain seeds(GameNumber{42});
    SeededRandom random;
    Board board;
    const OddsRow& odds = oddsRowForLevel(state.range(0));
    for (auto _ : state) {
        random.reseed(seeds.next());
        fillBoard(board, odds, random, FillScope::WholeBoard);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(BM_FillWholeBoard)->Arg(1)->Arg(10);

// A plain release that completes a run, then every tick of the chain until the board rests.
void BM_WholeMove(benchmark::State& state) {
    Table table;
    std::array<std::string_view, kSquareCount> board = kQuietBoard;
    board[1] = "1up";
    board[2] = "2up";
    board[3] = "2down";
    for (auto _ : state) {
        state.PauseTiming();
        table.lay(board);
        state.ResumeTiming();
        table.game.press(1, Button::Plain, Half::Upper);
        table.game.release(1, Button::Plain, Half::Upper);
        benchmark::DoNotOptimize(table.clock.runUntilAtRest());
    }
}
BENCHMARK(BM_WholeMove);

} // namespace

BENCHMARK_MAIN();
