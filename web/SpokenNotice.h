// SPDX-License-Identifier: MIT
// The screen's notices ("Sound off", the hint in words) for a screen reader: a status line,
// hidden from sight, that says each new notice once, as the canvas shows it under the board.
#pragma once

#include <emscripten/val.h>

#include "screen/Screen.h"
#include "texts/Texts.h"

namespace quadrelle::web {

class SpokenNotice {
public:
    explicit SpokenNotice(play::Language language);

    // Says the screen's notice when it is a new one.
    void follow(const play::Notice& notice);

private:
    emscripten::val line_;
    int numberSaid_ = 0;
};

} // namespace quadrelle::web
