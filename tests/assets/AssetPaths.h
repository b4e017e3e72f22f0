// SPDX-License-Identifier: MIT
// Where the tests find the committed assets and the generator that made them.
#pragma once

#include <QString>

namespace assettest {

inline QString assetPath(const QString& relative) {
    return QStringLiteral(QUADRELLE_ASSETS_DIR "/") + relative;
}

inline QString picturePath(const QString& name, int scale) {
    return assetPath(scale == 1 ? QStringLiteral("pictures/%1.png").arg(name)
                                : QStringLiteral("pictures/%1@%2x.png").arg(name).arg(scale));
}

// The same picture from the set that carries a colour symbol.
inline QString symbolPicturePath(const QString& name, int scale) {
    return assetPath(scale == 1 ? QStringLiteral("pictures/symbols/%1.png").arg(name)
                                : QStringLiteral("pictures/symbols/%1@%2x.png").arg(name).arg(scale));
}

inline QString generatorPath() {
    return QStringLiteral(QUADRELLE_ASSETS_GENERATOR);
}

} // namespace assettest
