// SPDX-License-Identifier: MIT
// A small button that opens the context menu, for a player without a right button or a
// keyboard. It lies in the viewport's top right corner, outside the designed window, and only
// while the page leaves room for it there; the designed window stays as it is designed.
#pragma once

#include <emscripten/val.h>

#include <functional>

#include "DomListeners.h"
#include "PageFit.h"
#include "texts/Texts.h"

namespace quadrelle::web {

class MenuControl {
public:
    // The size it takes with its margin, in CSS pixels.
    static constexpr double kRoom = 44;

    // pressed is given the point below the button where the menu opens, and whether the
    // keyboard pressed it.
    MenuControl(play::Language language, std::function<void(double x, double y, bool fromKeyboard)> pressed);
    MenuControl(const MenuControl&) = delete;
    MenuControl& operator=(const MenuControl&) = delete;

    // Shown when the designed window, centred in the viewport, leaves the room beside or above it.
    void place(const Fit& fit, double viewportWidth, double viewportHeight);

private:
    emscripten::val button_;
    DomListeners listeners_;
};

} // namespace quadrelle::web
