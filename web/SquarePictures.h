// SPDX-License-Identifier: MIT
// The square pictures as the page's images: the plain set or the one with colour symbols, in
// the designed size or the @2x one for dense screens. Each set is one file, its pictures side
// by side in the order of their names, each between margins that repeat its edges
// (pictures/plain.png, symbols@2x.png, …, laid out at build time). A set is asked for the first
// time it is chosen, unless the page has asked for it already, and kept after; when it has
// arrived, onLoad is called so the page can draw again.
#pragma once

#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "Canvas2D.h"
#include "screen/Screen.h"

namespace quadrelle::web {

using play::Picture;

std::string sheetPath(bool withSymbols, bool sharp);
// The picture's place in its set's sheet, counted in pictures from the left.
int placeInSheet(Picture picture);
int placeInSheet(std::string_view pictureName);
// The picture's own pixels in a sheet of pictures that size.
ImagePart partOfSheet(int place, double pictureSize);

// One picture: where in which sheet.
struct SheetPicture {
    emscripten::val sheet;
    ImagePart part;
};

class SquarePictures {
public:
    explicit SquarePictures(emscripten::val onLoad) : onLoad_(std::move(onLoad)) {}

    void choose(bool withSymbols, bool sharp);
    // The picture in the chosen set; nothing while its sheet has not arrived, or could not.
    std::optional<SheetPicture> pictureOf(Picture picture) const;
    // The chosen set's sheet has arrived; it is taken from the page the first time this is asked.
    bool allArrived() const;

private:
    struct Set {
        // What the page gives while the sheet arrives: an object whose `sheet` is the sheet once
        // it has.
        emscripten::val arriving;
        std::optional<emscripten::val> sheet;
        double pictureSize = 0;
    };

    Set load(bool withSymbols, bool sharp) const;

    emscripten::val onLoad_;
    std::map<std::pair<bool, bool>, Set> sets_;
    Set* chosen_ = nullptr;
};

} // namespace quadrelle::web
