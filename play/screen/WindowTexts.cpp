// SPDX-License-Identifier: MIT
#include "screen/WindowTexts.h"

#include "texts/Format.h"

namespace quadrelle::play {

namespace {

constexpr auto kContext = "WindowTexts";

std::string translated(Language language, const char* text, const char* comment = "") {
    return std::string(translate(language, kContext, text, comment));
}

} // namespace

std::string gameNumberMenuLine(GameNumber gameNumber, Language language) {
    return withArguments(translated(language, PLAY_TEXT("WindowTexts", "Game number %1")),
                         {std::to_string(gameNumber.value)});
}

std::string otherKeysMenuTitle(Language language) {
    return translated(language, PLAY_TEXT("WindowTexts", "Other keys"));
}

std::string soundNotice(bool soundOn, Language language) {
    return soundOn ? translated(language, PLAY_TEXT("WindowTexts", "Sound on"))
                   : translated(language, PLAY_TEXT("WindowTexts", "Sound off"));
}

std::string settingsNotSavedNotice(Language language) {
    return translated(language, PLAY_TEXT("WindowTexts", "Scores and settings cannot be saved"));
}

std::string startLevelSpinnerName(Language language) {
    return translated(language, PLAY_TEXT_NOTED("WindowTexts", "Start level", "spinner"), "spinner");
}

std::string boardName(Language language) {
    return translated(language, PLAY_TEXT("WindowTexts", "Board"));
}

std::string menuControlName(Language language) {
    return translated(language, PLAY_TEXT("WindowTexts", "Menu"));
}

} // namespace quadrelle::play
