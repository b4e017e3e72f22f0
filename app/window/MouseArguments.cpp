// SPDX-License-Identifier: MIT
#include "window/MouseArguments.h"

#include <cmath>

#include "window/ControlLayout.h"

namespace quadrelle::app {

namespace {

constexpr int kHalfSquareTwips = 450;

} // namespace

std::optional<Button> buttonOf(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const bool keyHeld = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (button) {
    case Qt::LeftButton: return keyHeld ? Button::Special : Button::Plain;
    case Qt::RightButton: return Button::Special;
    case Qt::MiddleButton: return Button::Plain;
    default: return std::nullopt;
    }
}

Half halfAt(float twipsBelowTop) {
    return std::nearbyint(twipsBelowTop) < kHalfSquareTwips ? Half::Upper : Half::Lower;
}

float twipsFromPixels(qreal pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

} // namespace quadrelle::app
