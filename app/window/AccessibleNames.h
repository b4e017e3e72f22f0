// SPDX-License-Identifier: MIT
// The play layer's spoken texts as Qt strings, in the language the window speaks: a square's
// name ("green, arrow up"), its place ("row 3, column 4"), both together, and the hint.
#pragma once

#include <QString>

#include <optional>

#include "game/Game.h"

namespace quadrelle::app {

QString accessibleNameOf(const Square& square);
QString accessiblePlaceOf(int index);
QString accessibleSquareOf(const QString& name, int index);
QString hintText(const std::optional<Hint>& hint);

} // namespace quadrelle::app
