// The spoken names of the square kinds.
#include "AccessibleNames.h"

#include <array>

namespace quadrelle::app {

namespace {

constexpr std::array<const char*, 5> kColourNames = {"pink", "green", "yellow", "red", "blue"};

QString kindName(Kind kind) {
    switch (kind) {
    case Kind::Empty:
    case Kind::Removed: return QStringLiteral("empty");
    case Kind::Wildcard: return QStringLiteral("wildcard");
    default: break;
    }
    QString name = QString::fromLatin1(kColourNames[static_cast<std::size_t>(firstChar(kind) - '0')]);
    const std::string_view text = kindText(kind);
    if (isTwoWay(kind))
        name += QStringLiteral(", arrows up and down");
    else if (text.ends_with("up"))
        name += QStringLiteral(", arrow up");
    else if (text.ends_with("down"))
        name += QStringLiteral(", arrow down");
    return name;
}

} // namespace

QString accessibleNameOf(const Square& square) {
    QString name = kindName(square.kind);
    if (square.marked) name += QStringLiteral(", marked");
    return name;
}

QString accessiblePlaceOf(int index) {
    return QStringLiteral("row %1, column %2").arg(rowOf(index) + 1).arg(columnOf(index) + 1);
}

} // namespace quadrelle::app
