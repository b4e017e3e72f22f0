// SPDX-License-Identifier: MIT
// The square pictures as the page's images: the plain set or the one with colour symbols, in
// the designed size or the @2x one for dense screens. Each set is one file, its pictures side
// by side in the order of their names (pictures/plain.png, symbols@2x.png, …, laid out at build
// time), asked for the first time the set is chosen, unless the page has asked for it already,
// and kept after. When it has arrived and been cut into one image per picture, pixel for pixel,
// onLoad is called so the page can draw again.
#pragma once

#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screen/Screen.h"

namespace quadrelle::web {

using play::Picture;

std::string sheetPath(bool withSymbols, bool sharp);
// The picture's place in its set's sheet, counted in pictures from the left.
int placeInSheet(Picture picture);
int placeInSheet(std::string_view pictureName);

class SquarePictures {
public:
    explicit SquarePictures(emscripten::val onLoad) : onLoad_(std::move(onLoad)) {}

    void choose(bool withSymbols, bool sharp);
    // The picture of the chosen set; nothing while it has not arrived, or could not.
    std::optional<emscripten::val> imageOf(Picture picture) const;
    bool allArrived() const;

private:
    struct Set {
        // The sheet's pictures as they arrive, in JavaScript.
        emscripten::val sheet;
        // One image per picture, in the order of Picture, once the sheet has been cut; none before.
        std::vector<emscripten::val> pictures;
    };

    Set load(bool withSymbols, bool sharp) const;
    // Takes the chosen set's pictures once the sheet has been cut; false while it has not.
    bool cut() const;

    emscripten::val onLoad_;
    std::map<std::pair<bool, bool>, Set> sets_;
    Set* chosen_ = nullptr;
};

} // namespace quadrelle::web
