// SPDX-License-Identifier: MIT
// The spoken names of the square kinds, in the player's language.
#include "AccessibleNames.h"

#include <QCoreApplication>

#include <array>

namespace quadrelle::app {

namespace {

constexpr auto kContext = "AccessibleNames";

constexpr std::array<const char*, 5> kColourNames = {
    QT_TRANSLATE_NOOP("AccessibleNames", "pink"),   QT_TRANSLATE_NOOP("AccessibleNames", "green"),
    QT_TRANSLATE_NOOP("AccessibleNames", "yellow"), QT_TRANSLATE_NOOP("AccessibleNames", "red"),
    QT_TRANSLATE_NOOP("AccessibleNames", "blue"),
};

QString translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

QString kindName(Kind kind) {
    switch (kind) {
    case Kind::Empty:
    case Kind::Removed: return translated(QT_TRANSLATE_NOOP("AccessibleNames", "empty"));
    case Kind::Wildcard: return translated(QT_TRANSLATE_NOOP("AccessibleNames", "wildcard"));
    default: break;
    }
    const QString colour = translated(kColourNames[static_cast<std::size_t>(firstChar(kind) - '0')]);
    const std::string_view text = kindText(kind);
    if (isTwoWay(kind))
        return translated(QT_TRANSLATE_NOOP("AccessibleNames", "%1, arrows up and down")).arg(colour);
    if (text.ends_with("up"))
        return translated(QT_TRANSLATE_NOOP("AccessibleNames", "%1, arrow up")).arg(colour);
    if (text.ends_with("down"))
        return translated(QT_TRANSLATE_NOOP("AccessibleNames", "%1, arrow down")).arg(colour);
    return colour;
}

} // namespace

QString accessibleNameOf(const Square& square) {
    const QString name = kindName(square.kind);
    if (!square.marked) return name;
    return translated(QT_TRANSLATE_NOOP("AccessibleNames", "%1, marked")).arg(name);
}

QString accessiblePlaceOf(int index) {
    return translated(QT_TRANSLATE_NOOP("AccessibleNames", "row %1, column %2"))
        .arg(rowOf(index) + 1)
        .arg(columnOf(index) + 1);
}

QString accessibleSquareOf(const QString& name, int index) {
    return translated(QT_TRANSLATE_NOOP("AccessibleNames", "%1, %2")).arg(name, accessiblePlaceOf(index));
}

} // namespace quadrelle::app
