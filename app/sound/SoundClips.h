// SPDX-License-Identifier: MIT
// Where the game's two sound clips are in the resources: clip n is ":/sounds/<101 + n>.wav".
#pragma once

#include <QString>

namespace quadrelle::app {

inline constexpr int kClipCount = 2;

inline QString clipResourcePath(int n) {
    return QStringLiteral(":/sounds/%1.wav").arg(101 + n);
}

} // namespace quadrelle::app
