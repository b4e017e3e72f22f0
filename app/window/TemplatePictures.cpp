// SPDX-License-Identifier: MIT
// Loading the template pictures from the resources compiled into the program.
#include "window/TemplatePictures.h"

#include <QGuiApplication>

#include "platform/Resources.h"

#include <cstdio>

namespace quadrelle::app {

QString resourcePathOf(Picture picture, bool withSymbols) {
    const std::string_view name = pictureName(picture);
    const bool symbol = withSymbols && picture != Picture::SqEmpty;
    return QStringLiteral(":/pictures/%1%2.png")
        .arg(symbol ? QStringLiteral("symbols/") : QString())
        .arg(QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())));
}

namespace {

// QPixmap does not pick the "@2x" file by itself, so on a high-DPI screen it is loaded here
// and drawn at half its size, which keeps the square 60 logical pixels wide.
QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        const QString sharpPath = QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        QPixmap sharp = QPixmap::fromImage(readPng(sharpPath));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap::fromImage(readPng(path));
}

} // namespace

TemplatePictures::TemplatePictures(bool withSymbols)
    : withSymbols_(withSymbols), devicePixelRatio_(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0) {
    registerResources();
}

const QPixmap& TemplatePictures::operator[](Picture picture) const {
    std::optional<QPixmap>& slot = pixmaps_[static_cast<std::size_t>(picture)];
    if (!slot) {
        const QString path = resourcePathOf(picture, withSymbols_);
        slot = loadPicture(path, devicePixelRatio_);
        // Only a broken build lacks a picture; the square then shows black.
        if (slot->isNull())
            std::fprintf(stderr, "quadrelle: picture %s missing from the resources\n", qPrintable(path));
    }
    return *slot;
}

} // namespace quadrelle::app
