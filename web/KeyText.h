// SPDX-License-Identifier: MIT
// A browser's key event as the play layer's portable key text ("F2", "Ctrl+G", "PgUp",
// "Space"), so the shortcut table is read as it stands.
#pragma once

#include <emscripten/html5.h>

#include <string>

namespace quadrelle::web {

// Empty for a key that no shortcut can name, a modifier pressed alone among them.
std::string portableKeyText(const EmscriptenKeyboardEvent& event);

} // namespace quadrelle::web
