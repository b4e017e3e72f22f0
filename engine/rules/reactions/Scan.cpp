// SPDX-License-Identifier: MIT
#include "reactions/Scan.h"

#include "reactions/Triples.h"
#include "removal/Marking.h"

namespace quadrelle {

namespace {

// A line whose six squares are all marked counts once, and sweeps its colour (the first
// character of its last marked square that is not a wildcard) off the whole board. Gaps still
// waiting for their clearing keep their marks; they were paid for by the scan that made them,
// so they do not count again.
bool applyFullLineRule(Board& board, int first, int step) {
    int markedCount = 0;
    char lineColour = '\0';
    for (int i = 0; i < kBoardSide; ++i) {
        const Square& square = board[first + i * step];
        if (!square.marked || square.kind == Kind::Removed) continue;
        if (square.kind != Kind::Wildcard) lineColour = firstChar(square.kind);
        ++markedCount;
    }
    if (markedCount != kBoardSide) return false;
    if (lineColour == '\0') return true;
    for (int j = 0; j < kSquareCount; ++j) {
        if (firstChar(board.kind(j)) != lineColour) continue;
        board[j].marked = true;
        showMarked(board, j);
    }
    return true;
}

} // namespace

ScanResult markReactions(Board& board) {
    ScanResult result;
    // Marking gives wildcards the kind of their run, so the loop order decides later matches:
    // rows before columns, start column outermost for rows, column outermost for columns.
    for (int column = 0; column <= kBoardSide - 3; ++column) {
        for (int row = 0; row < kBoardSide; ++row) {
            const int first = indexOf(row, column);
            if (!tripleColour(board, first, kRowStep)) continue;
            markRun(board, first, kRowStep);
            ++result.runs;
        }
    }
    for (int column = 0; column < kBoardSide; ++column) {
        for (int row = 0; row <= kBoardSide - 3; ++row) {
            const int first = indexOf(row, column);
            if (!tripleColour(board, first, kColumnStep)) continue;
            markRun(board, first, kColumnStep);
            ++result.runs;
        }
    }
    for (int row = 0; row < kBoardSide; ++row)
        result.fullLines += applyFullLineRule(board, indexOf(row, 0), kRowStep);
    for (int column = 0; column < kBoardSide; ++column)
        result.fullLines += applyFullLineRule(board, indexOf(0, column), kColumnStep);
    return result;
}

bool isGameOver(const Board& board) {
    for (const Square& square : board)
        if (!isPlain(square.kind) && square.kind != Kind::Wildcard) return false;
    return true;
}

} // namespace quadrelle
