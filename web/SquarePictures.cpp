// SPDX-License-Identifier: MIT
#include "SquarePictures.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string_view>

// Asks the page for a sheet's pictures (quadrelleSheetPictures, in index.html, which asks for
// the first board's sheet before the game has loaded) and takes them, once they have arrived, in
// the order of the places given; then calls onLoad. Resolves to an object whose `pictures` is
// empty until then.
// clang-format off
EM_JS(emscripten::EM_VAL, quadrelle_load_sheet,
      (const char* path, const int* places, int count, emscripten::EM_VAL onLoad), {
    const set = { pictures: [] };
    const from = Array.from(HEAP32.subarray(places >> 2, (places >> 2) + count));
    const done = Emval.toValue(onLoad);
    const address = UTF8ToString(path);
    quadrelleSheetPictures(address)
        .then((pictures) => {
            set.pictures = from.map((place) => pictures[place]);
            done(set);
        })
        .catch((error) => console.error("Quadrelle!: cannot load " + address, error));
    return Emval.toHandle(set);
});
// clang-format on

namespace quadrelle::web {

using emscripten::val;

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

SquarePictures::Set SquarePictures::load(bool withSymbols, bool sharp) const {
    std::vector<int> places;
    for (int n = 0; n < play::kPictureCount; ++n) places.push_back(placeInSheet(static_cast<Picture>(n)));
    const std::string path = sheetPath(withSymbols, sharp);
    return {val::take_ownership(
                quadrelle_load_sheet(path.c_str(), places.data(), play::kPictureCount, onLoad_.as_handle())),
            {}};
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
    const val cutOut = chosen_->sheet["pictures"];
    if (cutOut["length"].as<int>() != play::kPictureCount) return false;
    for (int n = 0; n < play::kPictureCount; ++n) chosen_->pictures.push_back(cutOut[n]);
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
