// SPDX-License-Identifier: MIT
// The game's command line: --help, --version and --game NUMBER, and nothing else besides Qt's
// own options (-platform, -style and the like), which QApplication takes for itself.
#pragma once

#include <optional>

#include "game/GameNumber.h"

class QCoreApplication;

namespace quadrelle::app {

// Answers --help and --version before any window or display exists. Gives the exit code, or
// nothing when the game should start.
std::optional<int> answerWithoutWindow(int argc, char* argv[]);

// Once QApplication has taken Qt's own options: the game number asked for with --game, if
// any. Ends the program, with a message, when an option or argument is left that the game
// does not know, or the number is not one.
std::optional<GameNumber> gameNumberArgument(const QCoreApplication& application);

} // namespace quadrelle::app
