// SPDX-License-Identifier: MIT
// The captions' typewriter face, Liberation Mono in both weights, compiled into the game and
// added to the page's fonts.
#pragma once

#include <emscripten/val.h>

namespace quadrelle::web {

// Adds both weights to the page's fonts, once; resolves when they can be drawn with (at once
// where the browser takes fonts from bytes, else at once without them).
emscripten::val addCaptionFonts();

} // namespace quadrelle::web
