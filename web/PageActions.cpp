// SPDX-License-Identifier: MIT
#include "PageActions.h"

#include "BrowserClock.h"

namespace quadrelle::web {

using play::ShortcutAction;

PageActions::PageActions(play::Session& session, play::Language language)
    : session_(session), dialogs_(language),
      menu_(language, [this](ShortcutAction action) { perform(action); }) {}

bool PageActions::perform(ShortcutAction action) {
    switch (action) {
    case ShortcutAction::NewGame: session_.newGame(gameNumberFromClock()); return true;
    case ShortcutAction::PlayGameNumber:
        dialogs_.askForGameNumber(session_.screen().gameNumber,
                                  [this](GameNumber number) { session_.newGame(number); });
        return true;
    case ShortcutAction::Sound: session_.setSoundOn(!session_.options().sound); return true;
    case ShortcutAction::ColourSymbols:
        session_.setColourSymbols(!session_.options().colourSymbols);
        return true;
    case ShortcutAction::Hint: session_.requestHint(); return true;
    case ShortcutAction::BestScores:
        dialogs_.showBestScores(session_.latestBestScores(), std::nullopt);
        return true;
    case ShortcutAction::ClearBestScores:
        dialogs_.askToClearBestScores([this] { session_.clearBestScores(); });
        return true;
    case ShortcutAction::ClearHighScore:
        // The designed question asks about the high score alone.
        dialogs_.askToClearHiscore([this] { session_.clearHighScore(); });
        return true;
    case ShortcutAction::HowToPlay: dialogs_.showHelp(); return true;
    case ShortcutAction::About: dialogs_.showAbout(session_.screen().gameNumber); return true;
    default: return false;
    }
}

void PageActions::openMenu(double clientX, double clientY, bool fromKeyboard) {
    const play::Screen& screen = session_.screen();
    menu_.open(clientX, clientY,
               {screen.gameNumber, session_.options().sound, session_.options().colourSymbols}, fromKeyboard);
}

void PageActions::bestScoresEntered(int rank) {
    menu_.close();
    dialogs_.showBestScores(session_.bestScores(), rank);
}

} // namespace quadrelle::web
