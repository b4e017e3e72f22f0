// SPDX-License-Identifier: MIT
// The light-grey arrows that mark the squares whose colour the player can change:
// an up arrow in the top third of a square picture, a down arrow in the bottom third.
#pragma once

class QPainter;

namespace assets {

void drawUpArrow(QPainter& painter);
void drawDownArrow(QPainter& painter);

} // namespace assets
