// SPDX-License-Identifier: MIT
// The words on the buttons that answer a question or close a window, in the player's
// language, for a front end whose toolkit has no translated buttons of its own (the
// browser's); the desktop takes Qt's.
#pragma once

#include <string>

#include "texts/Texts.h"

namespace quadrelle::play {

enum class Answer { Yes, No, Cancel, Ok, Close };

std::string answerWord(Answer answer, Language language);

} // namespace quadrelle::play
