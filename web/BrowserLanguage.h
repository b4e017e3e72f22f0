// SPDX-License-Identifier: MIT
// The game's language from the browser's list of the player's preferred languages, and its
// tag for the page's lang attributes.
#pragma once

#include "texts/Texts.h"

namespace quadrelle::web {

play::Language browserLanguage();
// "en", "de" or "fr".
const char* languageTag(play::Language language);

} // namespace quadrelle::web
