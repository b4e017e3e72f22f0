// SPDX-License-Identifier: MIT
#include "screen/HintText.h"

#include "screen/SquareNames.h"
#include "texts/Format.h"

namespace quadrelle::play {

namespace {

const char* moveText(HintMove move) {
    switch (move) {
    case HintMove::StepUp: return PLAY_TEXT("HintText", "Hint: step up at %1");
    case HintMove::StepDown: return PLAY_TEXT("HintText", "Hint: step down at %1");
    case HintMove::Search: return PLAY_TEXT("HintText", "Hint: colour search at %1");
    case HintMove::Erase: return PLAY_TEXT("HintText", "Hint: spend an eraser at %1");
    }
    return "";
}

} // namespace

std::string hintText(const std::optional<Hint>& hint, Language language) {
    if (!hint) return std::string(translate(language, "HintText", PLAY_TEXT("HintText", "No move reacts now")));
    return withArguments(translate(language, "HintText", moveText(hint->move)), {squarePlace(hint->square, language)});
}

} // namespace quadrelle::play
