// SPDX-License-Identifier: MIT
#include "screen/Questions.h"

#include <cstdint>
#include <limits>

#include "texts/Format.h"

namespace quadrelle::play {

namespace {

constexpr auto kContext = "Questions";

std::string translated(Language language, const char* text) {
    return std::string(translate(language, kContext, text));
}

} // namespace

Question clearBestScoresQuestion(Language language) {
    return {translated(language, PLAY_TEXT("Questions", "Clear best scores")),
            translated(language, PLAY_TEXT("Questions", "Do you really want to clear the best scores?"))};
}

Question clearHiscoreQuestion(Language language) {
    return {translated(language, PLAY_TEXT("Questions", "Clear Hiscore")),
            translated(language, PLAY_TEXT("Questions", "Do you really want to clear the hiscore?"))};
}

Question gameNumberQuestion(Language language) {
    return {
        translated(language, PLAY_TEXT("Questions", "Play game number")),
        translated(language, PLAY_TEXT("Questions", "Game number (the same number deals the same boards):"))};
}

std::string gameNumberProblemText(GameNumberProblem problem, Language language) {
    switch (problem) {
    case GameNumberProblem::None: return {};
    case GameNumberProblem::Empty: return translated(language, PLAY_TEXT("Questions", "Type a game number."));
    case GameNumberProblem::NotDigits:
        return translated(language, PLAY_TEXT("Questions", "A game number has the digits 0 to 9 only."));
    case GameNumberProblem::TooLarge: break;
    }
    return withArguments(translated(language, PLAY_TEXT("Questions", "A game number is at most %1.")),
                         {std::to_string(std::numeric_limits<std::uint64_t>::max())});
}

} // namespace quadrelle::play
