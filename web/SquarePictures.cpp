// SPDX-License-Identifier: MIT
#include "SquarePictures.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace quadrelle::web {

using emscripten::val;

std::string sheetPath(bool withSymbols, bool sharp) {
    return std::string("pictures/") + (withSymbols ? "symbols" : "plain") + (sharp ? "@2x" : "") + ".png";
}

int placeInSheet(Picture picture) {
    static const std::vector<std::string_view> sorted = [] {
        std::vector<std::string_view> names;
        for (int n = 0; n < play::kPictureCount; ++n) names.push_back(play::pictureName(static_cast<Picture>(n)));
        std::sort(names.begin(), names.end());
        return names;
    }();
    return static_cast<int>(std::find(sorted.begin(), sorted.end(), play::pictureName(picture)) - sorted.begin());
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
    const int size = sheet["naturalHeight"].as<int>();
    for (int n = 0; n < play::kPictureCount; ++n) {
        val canvas = val::global("document").call<val>("createElement", std::string("canvas"));
        canvas.set("width", size);
        canvas.set("height", size);
        canvas.call<val>("getContext", std::string("2d"))
            .call<void>("drawImage", sheet, placeInSheet(static_cast<Picture>(n)) * size, 0, size, size, 0, 0, size,
                        size);
        chosen_->pictures.push_back(std::move(canvas));
    }
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
