// SPDX-License-Identifier: MIT
#include "MouseInput.h"

#include <cmath>

#include "screen/Layout.h"

namespace quadrelle::web {

namespace {

constexpr int kHalfSquareTwips = 450;

} // namespace

std::optional<Button> buttonOf(int domButton, HeldKeys keys) {
    const bool keyHeld = keys.shift || keys.ctrl || keys.alt;
    switch (static_cast<DomButton>(domButton)) {
    case DomButton::Main: return keyHeld ? Button::Special : Button::Plain;
    case DomButton::Secondary: return Button::Special;
    case DomButton::Middle: return Button::Plain;
    }
    return std::nullopt;
}

Half halfAt(double pixelsBelowTop) {
    const auto twips = static_cast<float>(pixelsBelowTop * play::kTwipsPerPixel);
    return std::nearbyint(twips) < kHalfSquareTwips ? Half::Upper : Half::Lower;
}

} // namespace quadrelle::web
