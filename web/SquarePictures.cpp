// SPDX-License-Identifier: MIT
#include "SquarePictures.h"

namespace quadrelle::web {

using emscripten::val;

std::string picturePath(Picture picture, bool withSymbols, bool sharp) {
    // The empty square has no symbol, so it is only in the plain set.
    const bool symbol = withSymbols && picture != Picture::SqEmpty;
    return std::string("pictures/") + (symbol ? "symbols/" : "") + std::string(play::pictureName(picture)) +
           (sharp ? "@2x" : "") + ".png";
}

SquarePictures::Set SquarePictures::load(bool withSymbols, bool sharp) const {
    Set set;
    for (int n = 0; n < play::kPictureCount; ++n) {
        val image = val::global("Image").new_();
        image.set("onload", onLoad_);
        image.set("src", picturePath(static_cast<Picture>(n), withSymbols, sharp));
        set.push_back(std::move(image));
    }
    return set;
}

void SquarePictures::choose(bool withSymbols, bool sharp) {
    const std::pair key{withSymbols, sharp};
    auto found = sets_.find(key);
    if (found == sets_.end()) found = sets_.emplace(key, load(withSymbols, sharp)).first;
    chosen_ = &found->second;
}

std::optional<val> SquarePictures::imageOf(Picture picture) const {
    if (chosen_ == nullptr) return std::nullopt;
    const val& image = (*chosen_)[static_cast<std::size_t>(picture)];
    if (!image["complete"].as<bool>() || image["naturalWidth"].as<int>() == 0) return std::nullopt;
    return image;
}

bool SquarePictures::allArrived() const {
    for (int n = 0; n < play::kPictureCount; ++n)
        if (!imageOf(static_cast<Picture>(n))) return false;
    return true;
}

} // namespace quadrelle::web
