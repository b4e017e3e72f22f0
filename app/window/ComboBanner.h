// SPDX-License-Identifier: MIT
// The combo banner: the count's label lies over the right end of the caption " Combo x", as
// designed, yet the banner must read " Combo x2". So the count's text starts where the
// caption's "x" ends, and the count draws nothing, not even its background, left of that.
#pragma once

class QLabel;

namespace quadrelle::app {

// Fits the count to the caption before the count first shows.
void layOutComboBanner(const QLabel& caption, QLabel& count);

} // namespace quadrelle::app
