// SPDX-License-Identifier: MIT
// The template pictures a square can show, named as the window's hidden template controls.
// The engine only says which template a square shows; the window maps each to real pixels.
#pragma once

#include <string_view>

#include "board/SquareKind.h"

namespace quadrelle {

enum class Picture : unsigned char {
    Sq0,
    Sq1,
    Sq2,
    Sq3,
    Sq4,
    Sq0up,
    Sq1up,
    Sq1down,
    Sq1updown,
    Sq2up,
    Sq2down,
    Sq2updown,
    Sq3up,
    Sq3down,
    Sq3updown,
    Sq4down,
    Sq1234,
    SqEmpty,
    Tri0r,
    Tri1r,
    Tri2r,
    Tri3r,
    Tri4r,
};

inline constexpr int kPictureCount = 23;

// The template's name, e.g. "sq2updown", "tri3r", "sqEmpty".
std::string_view pictureName(Picture picture);

// The picture that shows a colour kind or the wildcard; SqEmpty for the gap and the empty kind.
Picture pictureOf(Kind kind);

// The marked look of a colour kind (tri0r … tri4r by colour digit); nothing for other kinds,
// which keep the picture they have when marked.
bool hasMarkedPicture(Kind kind);
Picture markedPictureOf(Kind kind);

} // namespace quadrelle
