#include "FillCommand.h"

#include <sstream>

#include "board/Random.h"
#include "game/Game.h"
#include "game/VirtualClock.h"

namespace quadrelle::sim {

FillCounts countFills(std::int64_t level, std::int64_t fills, std::uint64_t seed) {
    VirtualClock clock;
    SeededRandom random(seed);
    SilentSound sound;
    Game game(clock, random, sound);
    game.counters().level = level;

    std::array<std::int64_t, kKindCount> byKind{};
    for (std::int64_t fill = 0; fill < fills; ++fill) {
        game.FillBoard(false);
        for (const Square& square : game.board()) ++byKind[static_cast<std::size_t>(square.kind)];
    }
    FillCounts result{level, fills * kSquareCount, {}};
    for (std::size_t i = 0; i < kOddsChain.size(); ++i)
        result.counts[i] = byKind[static_cast<std::size_t>(kOddsChain[i])];
    return result;
}

std::string toJson(const FillCounts& result) {
    std::ostringstream out;
    out << R"({"level":)" << result.level << R"(,"squares":)" << result.squares << R"(,"counts":{)";
    for (std::size_t i = 0; i < kOddsChain.size(); ++i)
        out << (i ? "," : "") << '"' << kindText(kOddsChain[i]) << "\":" << result.counts[i];
    out << "}}";
    return out.str();
}

} // namespace quadrelle::sim
