// SPDX-License-Identifier: MIT
// The game's command line: --help and --version, and nothing else besides Qt's own options
// (-platform, -style and the like), which QApplication takes for itself.
#pragma once

#include <optional>

class QCoreApplication;

namespace quadrelle::app {

// Answers --help and --version before any window or display exists. Gives the exit code, or
// nothing when the game should start.
std::optional<int> answerWithoutWindow(int argc, char* argv[]);

// Once QApplication has taken Qt's own options: ends the program, with a message, when an
// option or argument is left that the game does not know.
void rejectUnknownArguments(const QCoreApplication& application);

} // namespace quadrelle::app
