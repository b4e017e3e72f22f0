// SPDX-License-Identifier: MIT
// The play layer's spoken texts as Qt strings, in the language the window speaks: a square's
// place ("row 3, column 4"), and a name and place together.
#pragma once

#include <QString>

namespace quadrelle::app {

QString accessiblePlaceOf(int index);
QString accessibleSquareOf(const QString& name, int index);

} // namespace quadrelle::app
