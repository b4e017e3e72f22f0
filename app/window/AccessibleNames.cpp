// SPDX-License-Identifier: MIT
#include "window/AccessibleNames.h"

#include "platform/Translations.h"
#include "screen/HintText.h"
#include "screen/SquareNames.h"

namespace quadrelle::app {

QString accessibleNameOf(const Square& square) {
    return QString::fromStdString(play::squareName(square, gameLanguage()));
}

QString accessiblePlaceOf(int index) {
    return QString::fromStdString(play::squarePlace(index, gameLanguage()));
}

QString accessibleSquareOf(const QString& name, int index) {
    return QString::fromStdString(play::squareNameAndPlace(name.toStdString(), index, gameLanguage()));
}

QString hintText(const std::optional<Hint>& hint) {
    return QString::fromStdString(play::hintText(hint, gameLanguage()));
}

} // namespace quadrelle::app
