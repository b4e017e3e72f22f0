// SPDX-License-Identifier: MIT
#include "PageDialogs.h"

#include <algorithm>

#include "AboutDialog.h"
#include "BestScoresDialog.h"
#include "GameNumberDialog.h"
#include "HelpDialog.h"
#include "QuestionDialogs.h"

namespace quadrelle::web {

using play::Answer;

void PageDialogs::askToClearHiscore(std::function<void()> yes) {
    open(clearHiscoreDialog(language_), [yes = std::move(yes)](std::optional<Answer> answer) {
        if (answer == Answer::Yes) yes();
    });
}

void PageDialogs::askToClearBestScores(std::function<void()> yes) {
    open(clearBestScoresDialog(language_), [this, yes = std::move(yes)](std::optional<Answer> answer) {
        if (answer != Answer::Yes) return;
        // The table shown would be out of date.
        if (bestScores_ != nullptr) bestScores_->close();
        yes();
    });
}

void PageDialogs::askForGameNumber(GameNumber current, std::function<void(GameNumber)> chosen) {
    auto box = gameNumberDialog(current, language_);
    const DialogBox& prompt = *box;
    open(std::move(box), [&prompt, chosen = std::move(chosen)](std::optional<Answer> answer) {
        if (answer != Answer::Ok) return;
        if (const auto number = gameNumberIn(prompt)) chosen(*number);
    });
}

void PageDialogs::showHelp() {
    open(helpDialog(language_), nullptr);
}

void PageDialogs::showAbout(GameNumber gameNumber) {
    open(aboutDialog(gameNumber, language_), nullptr);
}

void PageDialogs::showBestScores(const play::BestScores& scores, std::optional<int> newRank) {
    if (bestScores_ != nullptr) bestScores_->close();
    auto box = bestScoresDialog(scores, newRank, language_);
    DialogBox* shown = box.get();
    bestScores_ = shown;
    open(std::move(box), [this, shown](std::optional<Answer>) {
        if (bestScores_ == shown) bestScores_ = nullptr;
    });
}

bool PageDialogs::anyOpen() const {
    return std::any_of(boxes_.begin(), boxes_.end(), [](const auto& box) { return box->isOpen(); });
}

void PageDialogs::open(std::unique_ptr<DialogBox> box, DialogBox::Closed closed) {
    // The closed ones go now, from outside their own listeners.
    std::erase_if(boxes_, [](const auto& kept) { return kept->isFinished(); });
    box->open(std::move(closed));
    boxes_.push_back(std::move(box));
}

} // namespace quadrelle::web
