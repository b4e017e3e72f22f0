// SPDX-License-Identifier: MIT
// `quadrelle-sim play`: the built-in player plays whole games on the virtual clock through the
// game's public entry points, and every invariant is checked after every event.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace quadrelle::sim {

// A game ends at game over or after this many moves, whichever comes first.
inline constexpr int kMoveCap = 1000;

struct PlayOptions {
    std::int64_t games = 1;
    std::uint64_t seed = 0;
    int startLevel = 1;
};

struct PlayResult {
    std::int64_t games = 0;
    std::int64_t moves = 0;
    std::int64_t reactions = 0;
    std::int64_t maxLevel = 0;
    double meanScore = 0;
    std::int64_t violations = 0;
    std::int64_t elapsedMs = 0; // wall-clock time of the whole run
};

// Plays the games; describes the first violations on `log`.
PlayResult playGames(const PlayOptions& options, std::ostream& log);

std::string toJson(const PlayResult& result);

} // namespace quadrelle::sim
