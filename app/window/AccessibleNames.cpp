// SPDX-License-Identifier: MIT
#include "window/AccessibleNames.h"

#include "platform/Translations.h"
#include "screen/SquareNames.h"

namespace quadrelle::app {

QString accessiblePlaceOf(int index) {
    return QString::fromStdString(play::squarePlace(index, gameLanguage()));
}

QString accessibleSquareOf(const QString& name, int index) {
    return QString::fromStdString(play::squareNameAndPlace(name.toStdString(), index, gameLanguage()));
}

} // namespace quadrelle::app
