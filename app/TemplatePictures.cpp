// Loading the template pictures, with stand-ins for any the resources lack.
#include "TemplatePictures.h"

#include <QGuiApplication>
#include <QPainter>

#include "Resources.h"

#include <cstdio>

namespace quadrelle::app {

namespace {

constexpr int kPictureSide = 60;

// A stand-in: a black square with a frame whose colour and width tell the templates apart.
QPixmap standInFor(Picture picture) {
    static constexpr std::array<QRgb, 5> kColours = {0xe080c0, 0x20c040, 0xe0c000, 0xe02040, 0x00a0c0};
    const int n = static_cast<int>(picture);
    QPixmap pixmap(kPictureSide, kPictureSide);
    pixmap.fill(Qt::black);
    if (picture == Picture::SqEmpty) return pixmap;
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(kColours[static_cast<std::size_t>(n % 5)]));
    const int inset = 2 + (n % 7) * 3;
    painter.drawRect(inset, inset, kPictureSide - 2 * inset, kPictureSide - 2 * inset);
    painter.setBrush(Qt::black);
    const int hole = inset + 4 + n / 7;
    painter.drawRect(hole, hole, kPictureSide - 2 * hole, kPictureSide - 2 * hole);
    return pixmap;
}

} // namespace

QString resourcePathOf(Picture picture) {
    const std::string_view name = pictureName(picture);
    return QStringLiteral(":/pictures/%1.png")
        .arg(QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())));
}

namespace {

// QPixmap does not pick the "@2x" file by itself, so on a high-DPI screen it is loaded here
// and drawn at half its size, which keeps the square 60 logical pixels wide.
QPixmap loadPicture(Picture picture, qreal devicePixelRatio) {
    const QString path = resourcePathOf(picture);
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

TemplatePictures::TemplatePictures() {
    registerResources();
    const qreal devicePixelRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    for (int n = 0; n < kPictureCount; ++n) {
        const auto picture = static_cast<Picture>(n);
        QPixmap& pixmap = pixmaps_[static_cast<std::size_t>(n)];
        pixmap = loadPicture(picture, devicePixelRatio);
        if (pixmap.isNull()) {
            pixmap = standInFor(picture);
            ++missing_;
        }
    }
    if (missing_ > 0)
        std::fprintf(stderr, "quadrelle: %d square pictures missing from the resources; using stand-ins\n",
                     missing_);
}

} // namespace quadrelle::app
