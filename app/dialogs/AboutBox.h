// SPDX-License-Identifier: MIT
// The About box: the game's name, its version and licence, and the number of the game being
// played, so a player can note it and play the same board again.
#pragma once

#include <QString>

#include <cstdint>

class QMessageBox;
class QWidget;

namespace quadrelle::app {

QString aboutText(std::uint64_t gameNumber);

// Opens the box over the parent without blocking the game; it deletes itself when closed.
QMessageBox* showAbout(QWidget* parent, std::uint64_t gameNumber);

} // namespace quadrelle::app
