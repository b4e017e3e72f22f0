// SPDX-License-Identifier: MIT
// The game's language from the browser's list of the player's preferred languages.
#pragma once

#include "texts/Texts.h"

namespace quadrelle::web {

play::Language browserLanguage();

} // namespace quadrelle::web
