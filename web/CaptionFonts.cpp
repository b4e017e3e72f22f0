// SPDX-License-Identifier: MIT
#include "CaptionFonts.h"

#include <emscripten/emscripten.h>

namespace {

// The fonts' files, cut down to the game's characters at build time, as bytes.
constexpr unsigned char kRegularFace[] = {
#include "fontRegular.inc"
};
constexpr unsigned char kBoldFace[] = {
#include "fontBold.inc"
};

} // namespace

// clang-format off
EM_JS(emscripten::EM_VAL, quadrelle_add_fonts,
      (const unsigned char* regular, int regularSize, const unsigned char* bold, int boldSize), {
    if (typeof FontFace !== "function") return Emval.toHandle(Promise.resolve());
    const add = (bytes, size, weight) =>
        new FontFace("Liberation Mono", HEAPU8.slice(bytes, bytes + size), { weight })
            .load()
            .then((face) => document.fonts.add(face));
    const added = Promise.all([add(regular, regularSize, "normal"), add(bold, boldSize, "bold")])
        .catch((error) => console.error("Quadrelle!: the captions' font is unusable", error));
    return Emval.toHandle(added);
});
// clang-format on

namespace quadrelle::web {

emscripten::val addCaptionFonts() {
    static const emscripten::val added = emscripten::val::take_ownership(
        quadrelle_add_fonts(kRegularFace, sizeof kRegularFace, kBoldFace, sizeof kBoldFace));
    return added;
}

} // namespace quadrelle::web
