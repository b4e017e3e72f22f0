// The 23 template pictures that the board copies onto its squares, each written as
// a 60 x 60 PNG and a 120 x 120 "@2x" PNG for high-density screens.
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

QImage renderSquarePicture(const SquarePicture& picture, int scale);

// Writes pictures/<name>.png and pictures/<name>@2x.png; returns the relative paths.
QStringList writeSquarePictures(const QString& outputDir);

} // namespace assets
