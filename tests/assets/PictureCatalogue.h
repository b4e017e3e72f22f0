// The 23 template pictures by name, the colour digit each one shows, and the main
// RGB of each colour.
#pragma once

#include <QColor>
#include <QStringList>

namespace assettest {

inline const QStringList allPictures = {
    "sq0",       "sq1",   "sq2",     "sq3",       "sq4",   "sq0up",   "sq1up",     "sq1down",
    "sq1updown", "sq2up", "sq2down", "sq2updown", "sq3up", "sq3down", "sq3updown", "sq4down",
    "sq1234",    "tri0r", "tri1r",   "tri2r",     "tri3r", "tri4r",   "sqEmpty",
};

inline const QRgb mainColours[] = {qRgb(224, 128, 192), qRgb(32, 192, 64), qRgb(224, 192, 0),
                                   qRgb(224, 32, 64), qRgb(0, 160, 192)};

// The colour digit a picture shows, or -1 for the wildcard and the empty picture.
inline int colourOf(const QString& name) {
    if (name.startsWith("tri")) return name.at(3).digitValue();
    if (name == "sq1234" || !name.at(2).isDigit()) return -1;
    return name.at(2).digitValue();
}

inline QStringList picturesOfColour(int digit) {
    QStringList names;
    for (const QString& name : allPictures)
        if (colourOf(name) == digit) names << name;
    return names;
}

} // namespace assettest
