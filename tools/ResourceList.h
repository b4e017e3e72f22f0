// SPDX-License-Identifier: MIT
// The Qt resource collection (assets.qrc) that embeds the generated files in the game.
#pragma once

#include <QString>
#include <QStringList>

namespace assets {

// Lists every file under a prefix named after its folder, so "pictures/sq0.png" is
// loaded as ":/pictures/sq0.png" and its "@2x" twin sits beside it.
void writeResourceList(const QString& outputDir, const QStringList& files);

} // namespace assets
