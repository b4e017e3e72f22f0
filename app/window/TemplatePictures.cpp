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
        QPixmap sharp(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

} // namespace

TemplatePictures::TemplatePictures(bool withSymbols) : withSymbols_(withSymbols) {
    registerResources();
    const qreal devicePixelRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    for (int n = 0; n < kPictureCount; ++n) {
        const auto picture = static_cast<Picture>(n);
        QPixmap& pixmap = pixmaps_[static_cast<std::size_t>(n)];
        const QString path = resourcePathOf(picture, withSymbols);
        pixmap = loadPicture(path, devicePixelRatio);
        // Only a broken build lacks a picture; the square then shows black.
        if (pixmap.isNull())
            std::fprintf(stderr, "quadrelle: picture %s missing from the resources\n", qPrintable(path));
    }
}

} // namespace quadrelle::app
