// SPDX-License-Identifier: MIT
// The pictures, icon and sound clips compiled into the program. The resource data sits in a
// static library, where the linker would drop it unless something refers to it by name.
#pragma once

#include <QImage>

namespace quadrelle::app {

// Registers the compiled-in resources (once; later calls do nothing). False when the program
// was built without them.
bool registerResources();

// Reads a PNG file with Qt's own PNG reader; a null image when it cannot. A reader left to
// detect the format first loads every image format plugin there is (with a JPEG library among
// them) to ask each whether it reads PNG.
QImage readPng(const QString& path);

} // namespace quadrelle::app
