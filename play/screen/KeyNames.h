// SPDX-License-Identifier: MIT
// The shortcut table's keys named in the player's words ("Strg+G", "Bild auf"), for a front
// end whose toolkit does not name keys itself (the browser's); the desktop takes Qt's names.
// A portable key text is its modifiers, each followed by "+", then the key.
#pragma once

#include <string>
#include <string_view>

#include "session/ShortcutTable.h"
#include "texts/Texts.h"

namespace quadrelle::play {

// "Ctrl+G" is "Strg+G" in German; letters and function keys are named as they are written.
std::string keyName(std::string_view portableKey, Language language);
// Every key of the entry, named and joined by ", ": "Space, Return, Enter"; empty for an entry
// without keys.
std::string keysText(const Shortcut& shortcut, Language language);

} // namespace quadrelle::play
