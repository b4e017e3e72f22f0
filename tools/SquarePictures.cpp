// SPDX-License-Identifier: MIT
// The 23 template pictures. Each is drawn in 60 x 60 logical coordinates and
// rendered at scale 1 and 2, so the high-density copy is drawn rather than enlarged.
// The set with symbols draws each picture exactly as the plain set does and then
// adds the symbol on top, so the two differ only in the symbol's corner.
#include "SquarePictures.h"

#include "Arrows.h"
#include "AssetFiles.h"
#include "ColourSymbols.h"
#include "SquareShapes.h"

#include <QPainter>

namespace assets {
namespace {

SquarePicture outline(const char* name, int digit, bool up = false, bool down = false) {
    return {QString::fromLatin1(name), PictureLook::Outline, digit, up, down};
}

SquarePicture marked(int digit) {
    return {QStringLiteral("tri%1r").arg(digit), PictureLook::Marked, digit};
}

void drawLook(QPainter& painter, const SquarePicture& picture) {
    switch (picture.look) {
    case PictureLook::Outline: drawOutline(painter, picture.digit); break;
    case PictureLook::Marked: drawMarkedOutline(painter, picture.digit); break;
    case PictureLook::Bands: drawNestedBands(painter); break;
    case PictureLook::Empty: break;
    }
}

void drawSymbol(QPainter& painter, const SquarePicture& picture) {
    switch (picture.look) {
    case PictureLook::Outline:
    case PictureLook::Marked: drawColourSymbol(painter, picture.digit); break;
    case PictureLook::Bands: drawWildcardSymbol(painter); break;
    case PictureLook::Empty: break;
    }
}

QString folderOf(PictureSet set) {
    return set == PictureSet::Plain ? QStringLiteral("pictures") : QStringLiteral("pictures/symbols");
}

} // namespace

const std::vector<SquarePicture>& squarePictures() {
    static const std::vector<SquarePicture> pictures = {
        outline("sq0", 0),
        outline("sq1", 1),
        outline("sq2", 2),
        outline("sq3", 3),
        outline("sq4", 4),
        outline("sq0up", 0, true),
        outline("sq1up", 1, true),
        outline("sq1down", 1, false, true),
        outline("sq1updown", 1, true, true),
        outline("sq2up", 2, true),
        outline("sq2down", 2, false, true),
        outline("sq2updown", 2, true, true),
        outline("sq3up", 3, true),
        outline("sq3down", 3, false, true),
        outline("sq3updown", 3, true, true),
        outline("sq4down", 4, false, true),
        {QStringLiteral("sq1234"), PictureLook::Bands},
        marked(0),
        marked(1),
        marked(2),
        marked(3),
        marked(4),
        {QStringLiteral("sqEmpty"), PictureLook::Empty},
    };
    return pictures;
}

std::vector<SquarePicture> picturesOf(PictureSet set) {
    std::vector<SquarePicture> pictures;
    for (const SquarePicture& picture : squarePictures())
        if (set == PictureSet::Plain || picture.look != PictureLook::Empty) pictures.push_back(picture);
    return pictures;
}

QImage renderSquarePicture(const SquarePicture& picture, int scale, PictureSet set) {
    QImage image(squareSide * scale, squareSide * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    drawLook(painter, picture);
    if (picture.upArrow) drawUpArrow(painter);
    if (picture.downArrow) drawDownArrow(painter);
    if (set == PictureSet::WithSymbols) drawSymbol(painter, picture);
    return image;
}

QStringList writeSquarePictures(const QString& outputDir) {
    QStringList written;
    for (PictureSet set : {PictureSet::Plain, PictureSet::WithSymbols})
        for (const SquarePicture& picture : picturesOf(set))
            for (int scale : {1, 2}) {
                const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
                const QString path = QStringLiteral("%1/%2%3.png").arg(folderOf(set), picture.name, suffix);
                writePng(outputDir + '/' + path, renderSquarePicture(picture, scale, set));
                written << path;
            }
    return written;
}

} // namespace assets
