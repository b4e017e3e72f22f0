// SPDX-License-Identifier: MIT
#include "board/Board.h"

namespace quadrelle {

void Board::setKindAndPicture(int index, Kind kind) {
    showPicture(index, pictureOf(kind));
    setKind(index, kind);
}

} // namespace quadrelle
