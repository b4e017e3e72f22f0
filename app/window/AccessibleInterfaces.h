// SPDX-License-Identifier: MIT
// What a screen reader gets from the game's own widgets beyond Qt's defaults: the window is a
// frame; a square is a button whose press action clicks it as the mouse does; the start-level
// spinner is a spin box whose value is the start level, from 1 to 9, and whose increase action
// raises it; a notice is a notification, spoken as it appears.
#pragma once

namespace quadrelle::app {

// Registers the interfaces with Qt; it must run before any of these widgets is first asked
// for its interface, since Qt keeps the first one it makes.
void installAccessibleInterfaces();

} // namespace quadrelle::app
