// SPDX-License-Identifier: MIT
// The square pictures as the page's images: the plain set or the one with colour symbols, in
// the designed size or the @2x one for dense screens. A set is asked for from the server the
// first time it is chosen and kept after; each picture that arrives calls onLoad, so the page
// can draw again.
#pragma once

#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "screen/Screen.h"

namespace quadrelle::web {

using play::Picture;

std::string picturePath(Picture picture, bool withSymbols, bool sharp);

class SquarePictures {
public:
    explicit SquarePictures(emscripten::val onLoad) : onLoad_(std::move(onLoad)) {}

    void choose(bool withSymbols, bool sharp);
    // The picture of the chosen set; nothing while it has not arrived, or could not.
    std::optional<emscripten::val> imageOf(Picture picture) const;
    bool allArrived() const;

private:
    // One image per picture, in the order of Picture.
    using Set = std::vector<emscripten::val>;

    Set load(bool withSymbols, bool sharp) const;

    emscripten::val onLoad_;
    std::map<std::pair<bool, bool>, Set> sets_;
    const Set* chosen_ = nullptr;
};

} // namespace quadrelle::web
