// SPDX-License-Identifier: MIT
// The 23 template pictures that the board copies onto its squares, each written as
// a 60 x 60 PNG and a 120 x 120 "@2x" PNG for high-density screens, and a second set
// of the 22 that show a colour, with the colour's symbol drawn on.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace assets {

enum class PictureLook { Outline, Marked, Bands, Empty };

struct SquarePicture {
    QString name;
    PictureLook look;
    int digit = 0;
    bool upArrow = false;
    bool downArrow = false;
};

const std::vector<SquarePicture>& squarePictures();

enum class PictureSet { Plain, WithSymbols };

// The pictures that the set holds: all of them, or those with a colour to mark.
std::vector<SquarePicture> picturesOf(PictureSet set);

QImage renderSquarePicture(const SquarePicture& picture, int scale, PictureSet set = PictureSet::Plain);

// Writes pictures/<name>.png and pictures/<name>@2x.png, then the same names below
// pictures/symbols/ for the set with symbols; returns the relative paths.
QStringList writeSquarePictures(const QString& outputDir);

} // namespace assets
