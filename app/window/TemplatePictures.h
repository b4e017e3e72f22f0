// SPDX-License-Identifier: MIT
// The 23 template pictures the squares copy from, loaded from the resources as
// ":/pictures/<name>.png", or "<name>@2x.png" when a screen has a device pixel ratio above 1.
// With colour symbols the coloured pictures come from ":/pictures/symbols/" instead, where
// each also carries its colour's symbol; the empty picture has no symbol.
#pragma once

#include <QPixmap>

#include <array>

#include "screen/Screen.h"

namespace quadrelle::app {

class TemplatePictures {
public:
    explicit TemplatePictures(bool withSymbols = false);

    bool withSymbols() const { return withSymbols_; }

    const QPixmap& operator[](Picture picture) const { return pixmaps_[static_cast<std::size_t>(picture)]; }

private:
    bool withSymbols_;
    std::array<QPixmap, kPictureCount> pixmaps_;
};

QString resourcePathOf(Picture picture, bool withSymbols = false);

} // namespace quadrelle::app
