// SPDX-License-Identifier: MIT
#include "QuestionDialogs.h"

#include "DomBuilder.h"
#include "screen/Questions.h"

namespace quadrelle::web {

namespace {

std::unique_ptr<DialogBox> questionDialog(std::string_view name, const play::Question& question,
                                          play::Language language) {
    auto box = std::make_unique<DialogBox>(name, question.title, language);
    emscripten::val text = dom::append(box->body(), dom::textElement("p", question.text));
    const std::string id = dom::newId(name);
    text.set("id", id);
    // A screen reader says the question with the title when the box opens.
    dom::setAttribute(box->element(), "aria-describedby", id);
    dom::setAttribute(box->element(), "role", "alertdialog");
    return box;
}

} // namespace

std::unique_ptr<DialogBox> clearHiscoreDialog(play::Language language) {
    auto box = questionDialog("clear-hiscore", play::clearHiscoreQuestion(language), language);
    box->addAnswer(play::Answer::Yes, true);
    box->addAnswer(play::Answer::No);
    box->addAnswer(play::Answer::Cancel);
    return box;
}

std::unique_ptr<DialogBox> clearBestScoresDialog(play::Language language) {
    auto box = questionDialog("clear-best-scores", play::clearBestScoresQuestion(language), language);
    box->addAnswer(play::Answer::Yes);
    box->addAnswer(play::Answer::No, true);
    return box;
}

} // namespace quadrelle::web
