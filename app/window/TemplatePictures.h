// SPDX-License-Identifier: MIT
// The 23 template pictures the squares copy from, loaded from the resources as
// ":/pictures/<name>.png", or "<name>@2x.png" when a screen has a device pixel ratio above 1.
// With colour symbols the coloured pictures come from ":/pictures/symbols/" instead, where
// each also carries its colour's symbol; the empty picture has no symbol. Each is read the
// first time it is asked for, so the first frame waits only for those on the first board.
#pragma once

#include <QPixmap>

#include <array>
#include <optional>

#include "screen/Screen.h"

namespace quadrelle::app {

class TemplatePictures {
public:
    explicit TemplatePictures(bool withSymbols = false);

    bool withSymbols() const { return withSymbols_; }

    const QPixmap& operator[](Picture picture) const;

private:
    bool withSymbols_;
    qreal devicePixelRatio_;
    mutable std::array<std::optional<QPixmap>, kPictureCount> pixmaps_;
};

QString resourcePathOf(Picture picture, bool withSymbols = false);

} // namespace quadrelle::app
