// SPDX-License-Identifier: MIT
// The page's functions that the browser calls back (an image or a font has arrived, the page
// is hidden, the address changed), and the one that a test reads the screen with:
// Module.quadrelleScreen() gives the counters, the square pictures by name, the game number,
// the cursor and the hinted move, and whether the board is at rest and everything has arrived.
#pragma once

#include "GamePage.h"

namespace quadrelle::web {

// The page the callbacks reach; it must outlive the page's life.
void bindPage(GamePage& page);

} // namespace quadrelle::web
