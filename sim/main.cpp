// quadrelle-sim: the game's rules without a window, for designers and for checking the engine
// from outside. Each sub-command prints one JSON object on one line.
//
//   quadrelle-sim fill --level N --fills F --seed S
//   quadrelle-sim play --games G --seed S [--start-level L]
//
// Exit codes: 0 done, 1 an invariant was violated during play, 2 bad arguments.
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
    try {
        if (words.empty()) throw UsageError("missing sub-command: use 'fill' or 'play'");
        const std::vector<std::string> options(words.begin() + 1, words.end());
        if (words[0] == "fill") return runFill(Arguments(options, {"level", "fills", "seed"}));
        if (words[0] == "play") return runPlay(Arguments(options, {"games", "seed", "start-level"}));
        throw UsageError("unknown sub-command '" + words[0] + "': use 'fill' or 'play'");
    } catch (const UsageError& error) {
        std::cerr << "quadrelle-sim: " << error.what() << std::endl;
        return 2;
    }
}
