// The reaction scan: finds and marks every run, applies the full-line rule, removes what is
// marked and scores it, or, when nothing reacts, checks whether the game is over.
#include "game/Game.h"
#include "reactions/Triples.h"

namespace quadrelle {

int Game::ScanReactions() {
    int runsFound = 0;
    // Marking gives wildcards the kind of their run, so the loop order decides later matches:
    // rows before columns, start column outermost for rows, column outermost for columns.
    for (int column = 0; column <= kBoardSide - 3; ++column) {
        for (int row = 0; row < kBoardSide; ++row) {
            const int first = indexOf(row, column);
            if (!tripleColour(board_, first, kRowStep)) continue;
            MarkAsRemovedHor(first);
            ++runsFound;
            ++counters_.reactionCount;
        }
    }
    for (int column = 0; column < kBoardSide; ++column) {
        for (int row = 0; row <= kBoardSide - 3; ++row) {
            const int first = indexOf(row, column);
            if (!tripleColour(board_, first, kColumnStep)) continue;
            MarkAsRemovedVer(first);
            ++runsFound;
            ++counters_.reactionCount;
        }
    }
    for (int row = 0; row < kBoardSide; ++row) applyFullLineRule(indexOf(row, 0), kRowStep);
    for (int column = 0; column < kBoardSide; ++column) applyFullLineRule(indexOf(0, column), kColumnStep);

    if (runsFound != 0) {
        RemoveAllMarked(false);
        if (!counters_.newGame) {
            counters_.score += 10 * runsFound;
            counters_.reactionsLeft = kReactionsPerLevel - counters_.reactionCount;
        }
        counters_.comboCount += runsFound;
    } else {
        gameOverCheck();
    }
    return runsFound;
}

// A line whose six squares are all marked earns an eraser and sweeps its colour (the first
// character of its last marked square that is not a wildcard) off the whole board. Gaps still
// waiting for their clearing keep their marks; they were paid for by the scan that made them,
// so they do not count again.
void Game::applyFullLineRule(int first, int step) {
    int markedCount = 0;
    char lineColour = '\0';
    for (int i = 0; i < kBoardSide; ++i) {
        const Square& square = board_[first + i * step];
        if (!square.marked || square.kind == Kind::Removed) continue;
        if (square.kind != Kind::Wildcard) lineColour = firstChar(square.kind);
        ++markedCount;
    }
    if (markedCount != kBoardSide) return;
    if (counters_.removes < kMaxRemoves) ++counters_.removes;
    if (lineColour == '\0') return;
    for (int j = 0; j < kSquareCount; ++j) {
        if (firstChar(board_.kind(j)) != lineColour) continue;
        board_[j].marked = true;
        MarkAsRemoved2(j);
    }
}

void Game::gameOverCheck() {
    for (const Square& square : board_)
        if (!isPlain(square.kind) && square.kind != Kind::Wildcard) return;
    counters_.gameOverVisible = true;
    if (counters_.score > counters_.highScore) counters_.highScore = counters_.score;
}

} // namespace quadrelle
