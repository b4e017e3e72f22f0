// SPDX-License-Identifier: MIT
// The dialogs the page opens over the game, and what each answer does. Each opens modal for
// input only (the game goes on behind it) and may open over another, as a game over shows the
// best scores over a question; Escape closes the top one. A new best-scores table replaces the
// one shown, as on the desktop.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "DialogBox.h"
#include "game/GameNumber.h"
#include "settings/BestScores.h"

namespace quadrelle::web {

class PageDialogs {
public:
    explicit PageDialogs(play::Language language) : language_(language) {}

    void askToClearHiscore(std::function<void()> yes);
    void askToClearBestScores(std::function<void()> yes);
    void askForGameNumber(GameNumber current, std::function<void(GameNumber)> chosen);
    void showHelp();
    void showAbout(GameNumber gameNumber);
    void showBestScores(const play::BestScores& scores, std::optional<int> newRank);
    bool anyOpen() const;

private:
    void open(std::unique_ptr<DialogBox> box, DialogBox::Closed closed);

    play::Language language_;
    std::vector<std::unique_ptr<DialogBox>> boxes_;
    DialogBox* bestScores_ = nullptr;
};

} // namespace quadrelle::web
