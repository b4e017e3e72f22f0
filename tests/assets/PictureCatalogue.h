// SPDX-License-Identifier: MIT
// The 23 template pictures by name, the colour digit each one shows, and the main
// RGB of each colour.
#pragma once

#include <QColor>
#include <QStringList>

#include "board/Picture.h"

namespace assettest {

// Named by the game's own list, so a picture the game shows cannot go unchecked.
inline const QStringList allPictures = [] {
    QStringList names;
    for (int n = 0; n < quadrelle::kPictureCount; ++n) {
        const std::string_view name = quadrelle::pictureName(static_cast<quadrelle::Picture>(n));
        names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    return names;
}();

inline const QRgb mainColours[] = {qRgb(224, 128, 192), qRgb(32, 192, 64), qRgb(224, 192, 0),
                                   qRgb(224, 32, 64), qRgb(0, 160, 192)};

// The colour digit a picture shows, or -1 for the wildcard and the empty picture.
inline int colourOf(const QString& name) {
    if (name.startsWith("tri")) return name.at(3).digitValue();
    if (name == "sq1234" || !name.at(2).isDigit()) return -1;
    return name.at(2).digitValue();
}

inline QStringList picturesOfColour(int digit) {
    QStringList names;
    for (const QString& name : allPictures)
        if (colourOf(name) == digit) names << name;
    return names;
}

} // namespace assettest
