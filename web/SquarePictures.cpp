// SPDX-License-Identifier: MIT
#include "SquarePictures.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string_view>

// Asks for a sheet and cuts it, once it has arrived, into one picture per place given, in the
// order given; then calls onLoad. Resolves to an object whose `pictures` is empty until then.
// The sheet is fetched as bytes and made an image bitmap, which the browser decodes away from
// the page's thread, once; the pictures are bitmaps cut from it. A browser without bitmaps gets
// canvases cut from an image.
// clang-format off
EM_JS(emscripten::EM_VAL, quadrelle_load_sheet,
      (const char* path, const int* places, int count, emscripten::EM_VAL onLoad), {
    const set = { pictures: [] };
    const from = Array.from(HEAP32.subarray(places >> 2, (places >> 2) + count));
    const done = Emval.toValue(onLoad);
    const address = UTF8ToString(path);
    const cutFrom = (sheet, size, cutOut) =>
        Promise.all(from.map((place) => cutOut(sheet, place * size, size))).then((pictures) => {
            set.pictures = pictures;
            done(set);
        });
    const failed = (error) => console.error("Quadrelle!: cannot load " + address, error);
    if (typeof createImageBitmap === "function") {
        fetch(address)
            .then((response) => response.ok ? response.blob() : Promise.reject(response.status))
            .then((bytes) => createImageBitmap(bytes))
            .then((sheet) => cutFrom(sheet, sheet.height,
                                     (image, x, size) => createImageBitmap(image, x, 0, size, size)))
            .catch(failed);
    } else {
        const sheet = new Image();
        sheet.onload = () => cutFrom(sheet, sheet.naturalHeight, (image, x, size) => {
            const canvas = document.createElement("canvas");
            canvas.width = size;
            canvas.height = size;
            canvas.getContext("2d").drawImage(image, x, 0, size, size, 0, 0, size, size);
            return canvas;
        }).catch(failed);
        sheet.onerror = failed;
        sheet.src = address;
    }
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
