// SPDX-License-Identifier: MIT
#include "screen/AboutText.h"

#include "texts/Format.h"

namespace quadrelle::play {

namespace {

constexpr auto kContext = "AboutText";

} // namespace

AboutText aboutText(std::string_view version, GameNumber gameNumber, Language language) {
    const auto text = [language](const char* english) { return translate(language, kContext, english); };
    return {
        std::string(text(PLAY_TEXT("AboutText", "About Quadrelle!"))),
        "Quadrelle!",
        {withArguments(text(PLAY_TEXT("AboutText", "Version %1")), {version}),
         std::string(text(PLAY_TEXT("AboutText", "A colour-reaction puzzle on a 6 × 6 board."))),
         withArguments(text(PLAY_TEXT("AboutText", "Game number %1")), {std::to_string(gameNumber.value)}),
         std::string(text(PLAY_TEXT("AboutText", "Released under the MIT licence.")))}};
}

} // namespace quadrelle::play
