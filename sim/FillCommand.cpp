// SPDX-License-Identifier: MIT
#include "FillCommand.h"

#include <sstream>

#include "board/Fill.h"
#include "game/GameNumber.h"

namespace quadrelle::sim {

FillCounts countFills(std::int64_t level, std::int64_t fills, std::uint64_t seed) {
    // The seeds a game numbered `seed` would use for its fills.
    SeedChain seeds(GameNumber{seed});
    SeededRandom random;
    Board board;
    std::array<std::int64_t, kKindCount> byKind{};
    for (std::int64_t fill = 0; fill < fills; ++fill) {
        random.reseed(seeds.next());
        fillBoard(board, oddsRowForLevel(level), random, FillScope::WholeBoard);
        for (const Square& square : board) ++byKind[static_cast<std::size_t>(square.kind)];
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
