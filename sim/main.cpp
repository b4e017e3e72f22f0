// SPDX-License-Identifier: MIT
// quadrelle-sim: the game's rules without a window, for designers and for checking the engine
// from outside. Each sub-command prints one JSON object on one line.
//
//   quadrelle-sim fill --level N --fills F --seed S
//   quadrelle-sim play --games G --seed S [--start-level L]
//   quadrelle-sim --help | --version
//
// Exit codes: 0 done, 1 an invariant was violated during play, 2 bad arguments, 3 the output
// could not be written.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "Arguments.h"
#include "FillCommand.h"
#include "PlayCommand.h"

using namespace quadrelle::sim;

namespace {

constexpr std::int64_t kMaxFills = 100'000'000;
constexpr std::int64_t kMaxGames = 10'000'000;
constexpr std::int64_t kMaxLevel = 1'000'000;

constexpr int kOutputLost = 3;

constexpr auto kUsage = R"(Usage: quadrelle-sim fill --level N --fills F --seed S
       quadrelle-sim play --games G --seed S [--start-level L]
       quadrelle-sim --help | --version

Runs the rules of Quadrelle! without a window, on virtual time, and prints one JSON line.
  fill   counts the kinds of square that F whole-board fills produce at level N
  play   lets a built-in player play G games from start level L (1 to 9, default 1)
         and checks the game's invariants after every event
The same seed S gives the same output (apart from elapsed_ms).

Exit status: 0 done, 1 an invariant was violated, 2 bad arguments,
3 the output could not be written.
)";

// Answers --help and --version; false when the words ask for something else.
bool answeredAboutItself(const std::vector<std::string>& words) {
    if (words.size() != 1) return false;
    if (words[0] == "--help" || words[0] == "-h")
        std::cout << kUsage;
    else if (words[0] == "--version")
        std::cout << "quadrelle-sim " QUADRELLE_VERSION "\n";
    else
        return false;
    return true;
}

// A summary that never arrived is a failure, not a success (a full disk, for one).
// errno is cleared when main starts, so a reason found here comes from the failed write.
int checkedOutput(int exitCode) {
    if (std::cout.flush()) return exitCode;
    const int error = errno;
    std::cerr << "quadrelle-sim: could not write the output";
    if (error != 0) std::cerr << ": " << std::strerror(error);
    std::cerr << std::endl;
    return kOutputLost;
}

int runFill(const Arguments& args) {
    const auto level = args.integer("level", 1, kMaxLevel);
    const auto fills = args.integer("fills", 1, kMaxFills);
    std::cout << toJson(countFills(level, fills, args.seed("seed"))) << std::endl;
    return 0;
}

int runPlay(const Arguments& args) {
    PlayOptions options;
    options.games = args.integer("games", 1, kMaxGames);
    options.seed = args.seed("seed");
    options.startLevel = static_cast<int>(args.integer("start-level", 1, 9, 1));
    const PlayResult result = playGames(options, std::cerr);
    std::cout << toJson(result) << std::endl;
    return result.violations == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    errno = 0;
    try {
        if (answeredAboutItself(words)) return checkedOutput(0);
        if (words.empty()) throw UsageError("missing sub-command: use 'fill' or 'play' (see --help)");
        const std::vector<std::string> options(words.begin() + 1, words.end());
        if (words[0] == "fill") return checkedOutput(runFill(Arguments(options, {"level", "fills", "seed"})));
        if (words[0] == "play")
            return checkedOutput(runPlay(Arguments(options, {"games", "seed", "start-level"})));
        throw UsageError("unknown sub-command " + quoted(words[0]) + ": use 'fill' or 'play' (see --help)");
    } catch (const UsageError& error) {
        std::cerr << "quadrelle-sim: " << error.what() << std::endl;
        return 2;
    }
}
