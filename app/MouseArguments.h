// The arguments a square's press and release hand to the game: the button as 1 left,
// 2 right, 4 middle; the modifier keys as 1 Shift, 2 Ctrl, 4 Alt; the height of the pointer
// in twips below the square's top edge.
#pragma once

#include <QtCore/qnamespace.h>

#include <optional>

namespace quadrelle::app {

struct SquareInput {
    int index = 0;
    int button = 0;
    int shift = 0;
    float y = 0;

    friend bool operator==(const SquareInput&, const SquareInput&) = default;
};

// Nothing for buttons the game has no code for (back, forward and the like).
std::optional<int> buttonCode(Qt::MouseButton button);
int shiftMask(Qt::KeyboardModifiers modifiers);
float twipsFromPixels(qreal pixels);

} // namespace quadrelle::app
