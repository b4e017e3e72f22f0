// SPDX-License-Identifier: MIT
#include "SquarePictures.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string_view>
#include <vector>

// Asks the page for a sheet (quadrelleSheet, in index.html, which asks for the first board's
// sheet before the game has loaded) and takes it once it has arrived; then calls onLoad.
// Resolves to an object whose `sheet` is missing until then.
// clang-format off
EM_JS(emscripten::EM_VAL, quadrelle_load_sheet, (const char* path, emscripten::EM_VAL onLoad), {
    const set = {};
    const done = Emval.toValue(onLoad);
    const address = UTF8ToString(path);
    quadrelleSheet(address)
        .then((sheet) => {
            set.sheet = sheet;
            done(set);
        })
        .catch((error) => console.error("Quadrelle!: cannot load " + address, error));
    return Emval.toHandle(set);
});
// clang-format on

namespace quadrelle::web {

using emscripten::val;

namespace {

// Each picture lies between margins of 4 of its 60 pixels that repeat its edges.
constexpr double kMarginPerPicturePixel = 4.0 / 60.0;

} // namespace

std::string sheetPath(bool withSymbols, bool sharp) {
    return std::string("pictures/") + (withSymbols ? "symbols" : "plain") + (sharp ? "@2x" : "") + ".png";
}

int placeInSheet(std::string_view name) {
    static const std::vector<std::string_view> sorted = [] {
        std::vector<std::string_view> names;
        for (int n = 0; n < play::kPictureCount; ++n)
            names.push_back(play::pictureName(static_cast<Picture>(n)));
        std::sort(names.begin(), names.end());
        return names;
    }();
    return static_cast<int>(std::find(sorted.begin(), sorted.end(), name) - sorted.begin());
}

int placeInSheet(Picture picture) {
    return placeInSheet(play::pictureName(picture));
}

ImagePart partOfSheet(int place, double pictureSize) {
    const double margin = pictureSize * kMarginPerPicturePixel;
    return {place * (pictureSize + 2 * margin) + margin, 0, pictureSize, pictureSize};
}

SquarePictures::Set SquarePictures::load(bool withSymbols, bool sharp) const {
    const std::string path = sheetPath(withSymbols, sharp);
    return {val::take_ownership(quadrelle_load_sheet(path.c_str(), onLoad_.as_handle())), std::nullopt, 0};
}

void SquarePictures::choose(bool withSymbols, bool sharp) {
    const std::pair key{withSymbols, sharp};
    auto found = sets_.find(key);
    if (found == sets_.end()) found = sets_.emplace(key, load(withSymbols, sharp)).first;
    chosen_ = &found->second;
}

bool SquarePictures::allArrived() const {
    if (chosen_ == nullptr) return false;
    if (chosen_->sheet) return true;
    const val sheet = chosen_->arriving["sheet"];
    if (sheet.isUndefined()) return false;
    chosen_->sheet = sheet;
    chosen_->pictureSize = sheet["naturalHeight"].as<double>();
    return true;
}

std::optional<SheetPicture> SquarePictures::pictureOf(Picture picture) const {
    if (!allArrived()) return std::nullopt;
    return SheetPicture{*chosen_->sheet, partOfSheet(placeInSheet(picture), chosen_->pictureSize)};
}

} // namespace quadrelle::web
