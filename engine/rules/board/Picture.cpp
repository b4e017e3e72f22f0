// SPDX-License-Identifier: MIT
#include "board/Picture.h"

#include <array>

namespace quadrelle {

namespace {

constexpr std::array<std::string_view, kPictureCount> kNames = {
    "sq0",       "sq1",     "sq2",     "sq3",       "sq4",   "sq0up",   "sq1up",     "sq1down",
    "sq1updown", "sq2up",   "sq2down", "sq2updown", "sq3up", "sq3down", "sq3updown", "sq4down",
    "sq1234",    "sqEmpty", "tri0r",   "tri1r",     "tri2r", "tri3r",   "tri4r",
};

} // namespace

std::string_view pictureName(Picture picture) {
    return kNames[static_cast<int>(picture)];
}

Picture pictureOf(Kind kind) {
    // Kinds K0 … Wildcard and pictures Sq0 … Sq1234 are declared in the same order.
    if (kind >= Kind::K0 && kind <= Kind::Wildcard)
        return static_cast<Picture>(static_cast<int>(kind) - static_cast<int>(Kind::K0));
    return Picture::SqEmpty;
}

bool hasMarkedPicture(Kind kind) {
    return isPlain(kind) || isArrow(kind);
}

Picture markedPictureOf(Kind kind) {
    const int digit = firstChar(kind) - '0';
    return static_cast<Picture>(static_cast<int>(Picture::Tri0r) + digit);
}

} // namespace quadrelle
