// SPDX-License-Identifier: MIT
// Reading the icon's sizes from the resources.
#include "window/WindowIcon.h"

#include <QDir>
#include <QPixmap>

#include "platform/Resources.h"

namespace quadrelle::app {

QIcon windowIconFromResources() {
    registerResources();
    QIcon icon;
    // Every size the resources hold; each file names its own.
    const QDir icons(QStringLiteral(":/icon"));
    for (const QFileInfo& file : icons.entryInfoList({QStringLiteral("quadrelle-*.png")}, QDir::Files))
        icon.addPixmap(QPixmap::fromImage(readPng(file.filePath())));
    return icon;
}

} // namespace quadrelle::app
