// SPDX-License-Identifier: MIT
// Every text a screen shows, in the player's language. The designed English is the text
// itself; its German and French live beside it in the translation files (texts/*.ts), made
// into a catalogue at build time, so a front end with Qt and one without read the same
// translations from the same place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a text to translate where it is defined, for lupdate, which knows it as Qt's own
// QT_TRANSLATE_NOOP; the text is looked up when it is shown.
#define PLAY_TEXT(context, text) text
// The same with a comment that tells the translators where the text is used, which lupdate
// knows as QT_TRANSLATE_NOOP3; the comment belongs to the text's key, so translate() is then
// given it too.
#define PLAY_TEXT_NOTED(context, text, comment) text

namespace quadrelle::play {

enum class Language { English, German, French };

// The first of the player's preferred languages that is German, French, English or C decides,
// whatever their region or encoding ("de-AT", "fr_CA.UTF-8"), so "es:de" reads German and
// "en:de" English; none of those gives English.
Language languageOf(const std::vector<std::string>& preferred);

// The text in the language: its finished translation, or else the English text itself. The
// context and the comment tell apart equal texts used in different places.
std::string_view translate(Language language, std::string_view context, std::string_view text,
                           std::string_view comment = {});

} // namespace quadrelle::play
