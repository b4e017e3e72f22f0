// SPDX-License-Identifier: MIT
// The window icon: two square brackets round a two-way arrow, in dithered greens.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace assets {

QImage renderIcon(int size);

// Writes icon/quadrelle-<size>.png for every icon size; returns the relative paths.
QStringList writeIcons(const QString& outputDir);

} // namespace assets
