// SPDX-License-Identifier: MIT
#include "input/Hint.h"

#include "input/ColourChanges.h"
#include "reactions/Triples.h"
#include "removal/Falling.h"

namespace quadrelle {

namespace {

bool reactsAs(Board board, int square, Kind kind) {
    board.setKind(square, kind);
    return anyTripleMatches(board);
}

std::optional<HintMove> reactingStep(const Board& board, int square) {
    const Kind kind = board.kind(square);
    if (canStep(kind, StepDirection::Up) && reactsAs(board, square, *colourStep(kind, StepDirection::Up)))
        return HintMove::StepUp;
    if (canStep(kind, StepDirection::Down) && reactsAs(board, square, *colourStep(kind, StepDirection::Down)))
        return HintMove::StepDown;
    return std::nullopt;
}

bool searchReacts(const Board& board, int square) {
    for (const Kind tried : colourSearchTries(board.kind(square)))
        if (reactsAs(board, square, tried)) return true;
    return false;
}

bool erasingReacts(Board board, int square) {
    if (!isPlain(board.kind(square))) return false;
    board[square] = Square{Kind::Removed, Picture::SqEmpty, false};
    closeGaps(board, fallDirection(board));
    return anyTripleMatches(board);
}

} // namespace

std::optional<Hint> findHint(const Board& board, int erasers) {
    for (int square = 0; square < kSquareCount; ++square)
        if (const auto move = reactingStep(board, square)) return Hint{square, *move};
    for (int square = 0; square < kSquareCount; ++square)
        if (searchReacts(board, square)) return Hint{square, HintMove::Search};
    if (erasers <= 0) return std::nullopt;
    for (int square = 0; square < kSquareCount; ++square)
        if (erasingReacts(board, square)) return Hint{square, HintMove::Erase};
    return std::nullopt;
}

} // namespace quadrelle
