// SPDX-License-Identifier: MIT
// The designed window, 510 by 433 CSS pixels at 1:1, scaled to fill the browser's viewport
// with its shape kept, and its canvas given a backing store of as many device pixels as it
// covers, so that it is sharp at every device pixel ratio. Also where a pointer's place in
// the page becomes a point of the designed window.
#pragma once

#include "Canvas2D.h"

namespace quadrelle::web {

struct Fit {
    double cssWidth;
    double cssHeight;
    int backingWidth;
    int backingHeight;
    // Device pixels per designed pixel: above 1.5 the @2x pictures are drawn.
    double density;
};

// The fit of the designed window in a viewport of that many CSS pixels.
Fit fitIn(double viewportWidth, double viewportHeight, double devicePixelRatio);

// Sizes the canvas to the browser's viewport now; returns the fit.
Fit fitToViewport(Canvas2D& canvas);

// The designed window's point under a pointer at (clientX, clientY) of the page.
Point designedPointOf(const Canvas2D& canvas, double clientX, double clientY);

} // namespace quadrelle::web
