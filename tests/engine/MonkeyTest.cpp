// SPDX-License-Identifier: MIT
// Random play: presses, releases, new games and pauses in any order never break the rules
// that hold between events.
#include <algorithm>
#include <cstdio>
#include <random>

#include "GameHarness.h"
#include "game/Invariants.h"

namespace quadrelle::test {
namespace {

class Monkey : public testing::TestWithParam<std::uint64_t> {};

TEST_P(Monkey, RandomPlayKeepsEveryInvariantAfterEveryEvent) {
    const std::uint64_t seed = GetParam();
    VirtualClock clock;
    SeededRandom random;
    RecordingSound sound;
    RecordingEvents events;
    Game game({clock, random, sound, events});
    InvariantChecker checker;
    std::string lastEvent;
    const auto expectHolds = [&](int event) {
        const auto broken = checker.check(game);
        if (broken.empty()) return true;
        ADD_FAILURE() << "seed " << seed << ", event " << event << " (" << lastEvent
                      << "): " << broken.front() << "\n"
                      << boardText(game.board());
        return false;
    };
    int ticks = 0;
    std::int64_t bestScore = 0;
    clock.setTickHandler([&](TimerId t) {
        ++ticks;
        game.tick(t);
        lastEvent = "tick of timer " + std::to_string(int(t));
        expectHolds(-1);
    });

    std::mt19937_64 rng(seed * 7919);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); };
    // Left, left, right and middle buttons with any keys held: the right button and the left
    // with a key are special presses.
    const auto buttonFor = [](int button, int keys) {
        return button == 2 || (button < 2 && keys > 0) ? Button::Special : Button::Plain;
    };
    const int gamesPerSeed = 8;
    const int eventsPerGame = 500;
    for (int g = 0; g < gamesPerSeed; ++g) {
        if (g == 0)
            game.start({pick(1000), 1 + pick(9)}, GameNumber{seed});
        else
            game.newGame();
        checker.startGame(game);
        for (int event = 0; event < eventsPerGame; ++event) {
            const int roll = pick(100);
            const int square = pick(kSquareCount);
            const int buttonRoll = pick(4);
            const Button button = buttonFor(buttonRoll, pick(8));
            const Half half = pick(2) == 0 ? Half::Upper : Half::Lower;
            if (roll < 35) {
                lastEvent = "press";
                game.press(square, button, half);
            } else if (roll < 75) {
                lastEvent = "release";
                game.release(square, button, half);
            } else if (roll < 77) {
                lastEvent = "New Game";
                game.setStartLevel(1 + pick(9));
                game.newGame();
                checker.startGame(game);
            } else {
                lastEvent = "pause";
                clock.advanceBy(pick(1501));
            }
            if (!expectHolds(event)) return;
            bestScore = std::max(bestScore, game.counters().score);
        }
        clock.runUntilAtRest();
        lastEvent = "rest";
        if (!expectHolds(eventsPerGame)) return;
        EXPECT_FALSE(clock.anyChainTimerEnabled());
    }
    // The play really reached the board: chains ran, squares went, points were made.
    EXPECT_GT(ticks, 300);
    EXPECT_GT(std::count(sound.played.begin(), sound.played.end(), Clip::Reaction), 20);
    EXPECT_GT(std::count(sound.played.begin(), sound.played.end(), Clip::SingleRemoval), 0);
    EXPECT_GT(bestScore, 50);
    std::printf("seed %llu: %d ticks, %zu removals, best score %lld\n", static_cast<unsigned long long>(seed),
                ticks, sound.played.size(), static_cast<long long>(bestScore));
}

INSTANTIATE_TEST_SUITE_P(Seeds, Monkey, testing::Range<std::uint64_t>(1, 6),
                         [](const testing::TestParamInfo<std::uint64_t>& info) {
                             return "Seed" + std::to_string(info.param);
                         });

} // namespace
} // namespace quadrelle::test
