// SPDX-License-Identifier: MIT
#include "PlayCommand.h"

#include <algorithm>
#include <chrono>
#include <ostream>
#include <sstream>

#include "Player.h"
#include "game/Invariants.h"
#include "game/VirtualClock.h"
#include "screen/TimerNames.h"

namespace quadrelle::sim {

namespace {

constexpr std::int64_t kViolationsLogged = 20;

class Silence : public SoundOutput {
public:
    void play(Clip) override {}
};

// What the games report: runs found and levels reached.
class Tally : public GameEvents {
public:
    void runsFound(int runs) override { reactions += runs; }
    void levelUp(std::int64_t level) override { maxLevel = std::max(maxLevel, level); }

    std::int64_t reactions = 0;
    std::int64_t maxLevel = 0;
};

// One game table driven by the player: the first game is numbered by the seed, each later one
// by the number after its predecessor's.
class Table {
public:
    Table(const PlayOptions& options, std::ostream& log)
        : player_(options.seed ^ 0x5EED5EED5EED5EEDull), game_({clock_, random_, sound_, tally_}), log_(log) {
        clock_.setTickHandler([this](TimerId timer) {
            game_.tick(timer);
            afterEvent(play::timerName(timer));
        });
        game_.start({0, options.startLevel}, GameNumber{options.seed});
        tally_.maxLevel = game_.counters().level;
        checker_.startGame(game_);
        afterEvent("start");
    }

    void playGame(PlayResult& result) {
        if (result.games > 0) {
            game_.newGame();
            checker_.startGame(game_);
            afterEvent("new game");
        }
        clock_.runUntilAtRest();
        int moves = 0;
        while (!game_.counters().gameOver && moves < kMoveCap) {
            const auto move = player_.choose(game_);
            if (!move) break;
            play(*move);
            clock_.runUntilAtRest();
            ++moves;
        }
        result.moves += moves;
        result.meanScore += static_cast<double>(game_.counters().score);
        ++result.games;
    }

    std::int64_t reactions() const { return tally_.reactions; }
    std::int64_t maxLevel() const { return tally_.maxLevel; }
    std::int64_t violations() const { return violations_; }

private:
    void play(const Move& move) {
        game_.press(move.index, move.button, move.half);
        afterEvent("press");
        game_.release(move.index, move.button, move.half);
        afterEvent("release");
    }

    void afterEvent(std::string_view event) {
        for (const std::string& broken : checker_.check(game_)) {
            if (violations_++ < kViolationsLogged)
                log_ << "violation after " << event << " at " << clock_.now() << " ms in game "
                     << game_.gameNumber().value << ": " << broken << '\n';
        }
    }

    VirtualClock clock_;
    SeededRandom random_;
    Silence sound_;
    Tally tally_;
    Player player_;
    Game game_;
    InvariantChecker checker_;
    std::ostream& log_;
    std::int64_t violations_ = 0;
};

} // namespace

PlayResult playGames(const PlayOptions& options, std::ostream& log) {
    const auto start = std::chrono::steady_clock::now();
    PlayResult result;
    Table table(options, log);
    for (std::int64_t game = 0; game < options.games; ++game) table.playGame(result);
    result.meanScore = result.games ? result.meanScore / static_cast<double>(result.games) : 0;
    result.reactions = table.reactions();
    result.maxLevel = table.maxLevel();
    result.violations = table.violations();
    result.elapsedMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    return result;
}

std::string toJson(const PlayResult& result) {
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(2);
    out << R"({"games":)" << result.games << R"(,"moves":)" << result.moves << R"(,"reactions":)"
        << result.reactions << R"(,"max_level":)" << result.maxLevel << R"(,"mean_score":)"
        << result.meanScore << R"(,"violations":)" << result.violations << R"(,"elapsed_ms":)"
        << result.elapsedMs << '}';
    return out.str();
}

} // namespace quadrelle::sim
