// Speed of the engine's hot paths: scanning a quiet board, scanning a board that reacts, a
// whole-board fill, and a whole move from the release to the settled board on virtual time.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "board/Random.h"
#include "game/Game.h"
#include "game/VirtualClock.h"

using namespace quadrelle;

namespace {

struct Table {
    VirtualClock clock;
    SeededRandom random{42};
    SilentSound sound;
    Game game{clock, random, sound};

    Table() {
        clock.setTickHandler([this](TimerId timer) { game.onTimer(timer); });
    }

    void lay(const std::array<std::string_view, kSquareCount>& kinds) {
        for (int index = 0; index < kSquareCount; ++index)
            game.board().setKindAndPicture(index, *kindFromText(kinds[static_cast<std::size_t>(index)]));
    }
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
    for (auto _ : state)
        if (table.game.ScanReactions() != 0) state.SkipWithError("the quiet board reacted");
}
BENCHMARK(BM_ScanQuietBoard);

void BM_ScanReactingBoard(benchmark::State& state) {
    Table table;
    for (auto _ : state) {
        state.PauseTiming();
        table.lay(kReactingBoard);
        state.ResumeTiming();
        benchmark::DoNotOptimize(table.game.ScanReactions());
    }
}
BENCHMARK(BM_ScanReactingBoard);

void BM_FillWholeBoard(benchmark::State& state) {
    Table table;
    table.game.counters().level = state.range(0);
    for (auto _ : state) {
        table.game.FillBoard(false);
        benchmark::DoNotOptimize(table.game.board());
    }
}
BENCHMARK(BM_FillWholeBoard)->Arg(1)->Arg(10);

// A plain release that completes a run, then every tick of the chain until the board rests.
void BM_WholeMove(benchmark::State& state) {
    Table table;
    table.game.counters().newGame = false;
    for (auto _ : state) {
        state.PauseTiming();
        table.lay(kQuietBoard);
        table.game.board().setKindAndPicture(2, Kind::K2up);
        table.game.board().setKindAndPicture(3, Kind::K2down);
        table.game.board().setKindAndPicture(1, Kind::K1up);
        state.ResumeTiming();
        table.game.sq_MouseDown(1, kLeftButton, 0, 200);
        table.game.sq_MouseUp(1, kLeftButton, 0, 200);
        benchmark::DoNotOptimize(table.clock.runUntilAtRest());
    }
}
BENCHMARK(BM_WholeMove);

} // namespace

BENCHMARK_MAIN();
