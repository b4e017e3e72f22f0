// SPDX-License-Identifier: MIT
#include "screen/AnswerWords.h"

namespace quadrelle::play {

namespace {

constexpr auto kContext = "AnswerWords";

const char* englishOf(Answer answer) {
    switch (answer) {
    case Answer::Yes: return PLAY_TEXT("AnswerWords", "Yes");
    case Answer::No: return PLAY_TEXT("AnswerWords", "No");
    case Answer::Cancel: return PLAY_TEXT("AnswerWords", "Cancel");
    case Answer::Ok: return PLAY_TEXT("AnswerWords", "OK");
    case Answer::Close: return PLAY_TEXT("AnswerWords", "Close");
    }
    return "";
}

} // namespace

std::string answerWord(Answer answer, Language language) {
    return std::string(translate(language, kContext, englishOf(answer)));
}

} // namespace quadrelle::play
