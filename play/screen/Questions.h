// SPDX-License-Identifier: MIT
// The questions a screen asks the player, each a title and a text, in the player's language:
// before the best scores or the high score are cleared, and for the number of a game to play,
// with what is wrong with a text that is no game number. The answers' buttons (Yes, No, OK,
// Cancel) are each front end's own, or else the words of AnswerWords.h.
#pragma once

#include <string>

#include "session/GameNumberText.h"
#include "texts/Texts.h"

namespace quadrelle::play {

struct Question {
    std::string title;
    std::string text;
};

Question clearBestScoresQuestion(Language language);
Question clearHiscoreQuestion(Language language);
Question gameNumberQuestion(Language language);

// "Type a game number.", "A game number is at most 18446744073709551615." and so on; empty
// for a game number.
std::string gameNumberProblemText(GameNumberProblem problem, Language language);

} // namespace quadrelle::play
