// SPDX-License-Identifier: MIT
#include "SquarePictures.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string_view>
#include <vector>

// One canvas per picture, cut from the sheet where `places` says, in one call: through embind's
// val each canvas would take several slow calls.
// clang-format off
EM_JS(emscripten::EM_VAL, quadrelle_cut_sheet, (emscripten::EM_VAL sheet, const int* places, int count), {
    const image = Emval.toValue(sheet);
    const size = image.naturalHeight;
    const pictures = [];
    for (let n = 0; n < count; ++n) {
        const canvas = document.createElement("canvas");
        canvas.width = size;
        canvas.height = size;
        canvas.getContext("2d").drawImage(image, HEAP32[(places >> 2) + n] * size, 0, size, size, 0, 0, size, size);
        pictures.push(canvas);
    }
    return Emval.toHandle(pictures);
});
// clang-format on

namespace quadrelle::web {

using emscripten::val;

std::string sheetPath(bool withSymbols, bool sharp) {
    return std::string("pictures/") + (withSymbols ? "symbols" : "plain") + (sharp ? "@2x" : "") + ".png";
}

int placeInSheet(Picture picture) {
    static const std::vector<std::string_view> sorted = [] {
        std::vector<std::string_view> names;
        for (int n = 0; n < play::kPictureCount; ++n)
            names.push_back(play::pictureName(static_cast<Picture>(n)));
        std::sort(names.begin(), names.end());
        return names;
    }();
    return static_cast<int>(std::find(sorted.begin(), sorted.end(), play::pictureName(picture)) -
                            sorted.begin());
}

SquarePictures::Set SquarePictures::load(bool withSymbols, bool sharp) const {
    val sheet = val::global("Image").new_();
    sheet.set("onload", onLoad_);
    sheet.set("src", sheetPath(withSymbols, sharp));
    return {std::move(sheet), {}};
}

void SquarePictures::choose(bool withSymbols, bool sharp) {
    const std::pair key{withSymbols, sharp};
    auto found = sets_.find(key);
    if (found == sets_.end()) found = sets_.emplace(key, load(withSymbols, sharp)).first;
    chosen_ = &found->second;
}

bool SquarePictures::cut() const {
    if (chosen_ == nullptr) return false;
    if (!chosen_->pictures.empty()) return true;
    const val& sheet = chosen_->sheet;
    if (!sheet["complete"].as<bool>() || sheet["naturalWidth"].as<int>() == 0) return false;
    std::vector<int> places;
    for (int n = 0; n < play::kPictureCount; ++n) places.push_back(placeInSheet(static_cast<Picture>(n)));
    const val pictures =
        val::take_ownership(quadrelle_cut_sheet(sheet.as_handle(), places.data(), play::kPictureCount));
    for (int n = 0; n < play::kPictureCount; ++n) chosen_->pictures.push_back(pictures[n]);
    return true;
}

std::optional<val> SquarePictures::imageOf(Picture picture) const {
    if (!cut()) return std::nullopt;
    return chosen_->pictures[static_cast<std::size_t>(picture)];
}

bool SquarePictures::allArrived() const {
    return cut();
}

} // namespace quadrelle::web
