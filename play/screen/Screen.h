// SPDX-License-Identifier: MIT
// What a screen shows after an event, worked out once in the play layer so every front end
// draws the same thing: the designed controls' captions and visibility, each square's picture
// and spoken name, the keyboard cursor, the hinted move and the latest notice. The engine's
// picture and hint types are named here, so a screen reaches them through the play layer.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "board/Picture.h"
#include "game/GameNumber.h"
#include "input/Hint.h"
#include "screen/Captions.h"

namespace quadrelle::play {

using quadrelle::GameNumber;
using quadrelle::Hint;
using quadrelle::HintMove;
using quadrelle::kPictureCount;
using quadrelle::kSquareCount;
using quadrelle::Picture;
using quadrelle::pictureName;

// A short message that a key's change has no other mark for ("Sound off", the hint in words).
// Each new one has the next number, so the same text said twice is shown twice.
struct Notice {
    std::string text;
    int number = 0;
};

struct Screen {
    Captions captions;
    bool comboShown = false;
    bool gameOver = false;
    int startLevel = 1;
    GameNumber gameNumber;
    std::array<Picture, kSquareCount> pictures{};
    std::array<std::string, kSquareCount> squareNames;
    // The pictures carry their colour's symbol.
    bool colourSymbols = false;
    int cursor = 0;
    std::optional<Hint> hint;
    Notice notice;
};

} // namespace quadrelle::play
