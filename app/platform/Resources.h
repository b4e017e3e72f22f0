// SPDX-License-Identifier: MIT
// The pictures, icon and sound clips compiled into the program. The resource data sits in a
// static library, where the linker would drop it unless something refers to it by name.
#pragma once

namespace quadrelle::app {

// Registers the compiled-in resources (once; later calls do nothing). False when the program
// was built without them.
bool registerResources();

} // namespace quadrelle::app
