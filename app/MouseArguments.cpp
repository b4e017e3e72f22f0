// Qt's mouse buttons and modifier keys in the game's codes.
#include "MouseArguments.h"

#include "ControlLayout.h"
#include "game/Game.h"

namespace quadrelle::app {

std::optional<int> buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return std::nullopt;
    }
}

int shiftMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= kShiftKey;
    if (modifiers & Qt::ControlModifier) mask |= kCtrlKey;
    if (modifiers & Qt::AltModifier) mask |= kAltKey;
    return mask;
}

float twipsFromPixels(qreal pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

} // namespace quadrelle::app
