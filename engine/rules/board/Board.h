// SPDX-License-Identifier: MIT
// The board: 36 squares in 6 rows of 6, index = 6 × row + column, row 0 at the top.
// A square holds its kind, the template picture it shows and its marked flag; the kind
// and the picture are written separately, as the rules do.
#pragma once

#include <array>

#include "board/Picture.h"
#include "board/SquareKind.h"

namespace quadrelle {

inline constexpr int kBoardSide = 6;
inline constexpr int kSquareCount = kBoardSide * kBoardSide;

constexpr int rowOf(int index) {
    return index / kBoardSide;
}
constexpr int columnOf(int index) {
    return index % kBoardSide;
}
constexpr int indexOf(int row, int column) {
    return kBoardSide * row + column;
}
constexpr bool isOnBoard(int index) {
    return index >= 0 && index < kSquareCount;
}

struct Square {
    Kind kind = Kind::Empty;
    Picture picture = Picture::SqEmpty;
    bool marked = false;

    friend bool operator==(const Square&, const Square&) = default;
};

class Board {
public:
    Square& operator[](int index) { return squares_[static_cast<std::size_t>(index)]; }
    const Square& operator[](int index) const { return squares_[static_cast<std::size_t>(index)]; }

    Kind kind(int index) const { return (*this)[index].kind; }
    void setKind(int index, Kind kind) { (*this)[index].kind = kind; }
    void showPicture(int index, Picture picture) { (*this)[index].picture = picture; }
    // Gives the square a kind together with the picture that shows it.
    void setKindAndPicture(int index, Kind kind);

    auto begin() const { return squares_.begin(); }
    auto end() const { return squares_.end(); }

    friend bool operator==(const Board&, const Board&) = default;

private:
    std::array<Square, kSquareCount> squares_{};
};

} // namespace quadrelle
