// The 23 template pictures the squares copy from, loaded once from the resources as
// ":/pictures/<name>.png", or "<name>@2x.png" when a screen has a device pixel ratio above 1.
#pragma once

#include <QPixmap>

#include <array>

#include "board/Picture.h"

namespace quadrelle::app {

class TemplatePictures {
public:
    TemplatePictures();

    const QPixmap& operator[](Picture picture) const {
        return pixmaps_[static_cast<std::size_t>(picture)];
    }

private:
    std::array<QPixmap, kPictureCount> pixmaps_;
};

QString resourcePathOf(Picture picture);

} // namespace quadrelle::app
