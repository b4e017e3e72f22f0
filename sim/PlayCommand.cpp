#include "PlayCommand.h"

#include <chrono>
#include <ostream>
#include <sstream>

#include "Player.h"
#include "game/Invariants.h"
#include "game/VirtualClock.h"

namespace quadrelle::sim {

namespace {

constexpr std::int64_t kViolationsLogged = 20;

// One game window driven by the player; counts what the run reports.
class Table {
public:
    Table(const PlayOptions& options, std::ostream& log)
        : random_(options.seed), player_(options.seed ^ 0x5EED5EED5EED5EEDull), game_(clock_, random_, sound_),
          log_(log) {
        clock_.setTickHandler([this](TimerId timer) {
            game_.onTimer(timer);
            afterEvent(timerName(timer));
        });
        game_.Form_Load("0", std::to_string(options.startLevel));
        checker_.startGame(game_);
        afterEvent("Form_Load");
    }

    void playGame(PlayResult& result) {
        if (result.games > 0) {
            game_.Command1_Click();
            checker_.startGame(game_);
            afterEvent("Command1_Click");
        }
        clock_.runUntilAtRest();
        int moves = 0;
        while (!game_.counters().gameOverVisible && moves < kMoveCap) {
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

    std::int64_t reactions() const { return reactions_; }
    std::int64_t maxLevel() const { return maxLevel_; }
    std::int64_t violations() const { return violations_; }

private:
    void play(const Move& move) {
        game_.sq_MouseDown(move.index, move.button, move.shift, move.y);
        afterEvent("sq_MouseDown");
        game_.sq_MouseUp(move.index, move.button, move.shift, move.y);
        afterEvent("sq_MouseUp");
    }

    void afterEvent(std::string_view event) {
        const Counters& counters = game_.counters();
        // The reaction count only grows within an event, or is reset to 0 by it.
        const std::int64_t count = counters.reactionCount;
        reactions_ += count >= lastReactionCount_ ? count - lastReactionCount_ : count;
        lastReactionCount_ = count;
        maxLevel_ = std::max(maxLevel_, counters.level);
        for (const std::string& broken : checker_.check(game_, clock_)) {
            if (violations_++ < kViolationsLogged)
                log_ << "violation after " << event << " at " << clock_.now() << " ms: " << broken << '\n';
        }
    }

    VirtualClock clock_;
    SeededRandom random_;
    SilentSound sound_;
    Player player_;
    Game game_;
    InvariantChecker checker_;
    std::ostream& log_;
    std::int64_t lastReactionCount_ = 0;
    std::int64_t reactions_ = 0;
    std::int64_t maxLevel_ = 0;
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
    result.elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                           .count();
    return result;
}

std::string toJson(const PlayResult& result) {
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(2);
    out << R"({"games":)" << result.games << R"(,"moves":)" << result.moves << R"(,"reactions":)" << result.reactions
        << R"(,"max_level":)" << result.maxLevel << R"(,"mean_score":)" << result.meanScore << R"(,"violations":)"
        << result.violations << R"(,"elapsed_ms":)" << result.elapsedMs << '}';
    return out.str();
}

} // namespace quadrelle::sim
