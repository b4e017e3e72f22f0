// SPDX-License-Identifier: MIT
#include "GameNumberDialog.h"

#include <string>

#include "DomBuilder.h"
#include "screen/Questions.h"
#include "session/GameNumberText.h"

namespace quadrelle::web {

namespace {

using emscripten::val;

constexpr auto kEntryClass = "quadrelle-game-number-entry";

// The problem said under the field, and OK only for a game number.
void check(const val& entry, const val& problem, val ok, play::Language language) {
    const std::string text =
        play::gameNumberProblemText(play::gameNumberProblem(entry["value"].as<std::string>()), language);
    dom::setText(problem, text);
    ok.set("disabled", !text.empty());
    entry.call<void>("setAttribute", std::string("aria-invalid"),
                     std::string(text.empty() ? "false" : "true"));
}

} // namespace

std::unique_ptr<DialogBox> gameNumberDialog(GameNumber current, play::Language language) {
    const play::Question question = play::gameNumberQuestion(language);
    auto box = std::make_unique<DialogBox>("game-number", question.title, language);
    const std::string entryId = dom::newId("game-number-entry");
    const std::string problemId = dom::newId("game-number-problem");
    val label = dom::append(box->body(), dom::textElement("label", question.text));
    dom::setAttribute(label, "for", entryId);
    val entry = dom::append(box->body(), dom::element("input", kEntryClass));
    entry.set("id", entryId);
    dom::setAttribute(entry, "type", "text");
    dom::setAttribute(entry, "inputmode", "numeric");
    dom::setAttribute(entry, "autocomplete", "off");
    dom::setAttribute(entry, "spellcheck", "false");
    dom::setAttribute(entry, "aria-describedby", problemId);
    dom::setAttribute(entry, "autofocus", "");
    entry.set("value", std::to_string(current.value));
    val problem = dom::append(box->body(), dom::element("p", "quadrelle-game-number-problem"));
    problem.set("id", problemId);
    dom::setAttribute(problem, "aria-live", "polite");
    // OK first: Enter in the field is the form's first button.
    const val ok = box->addAnswer(play::Answer::Ok);
    box->addAnswer(play::Answer::Cancel);
    box->listeners().listen(
        entry, "input", [entry, problem, ok, language](const val&) { check(entry, problem, ok, language); });
    // The number is selected as the field takes the focus, so typing replaces it.
    box->listeners().listen(entry, "focus", [entry](const val&) { entry.call<void>("select"); });
    check(entry, problem, ok, language);
    return box;
}

std::optional<GameNumber> gameNumberIn(const DialogBox& prompt) {
    const val entry = prompt.element().call<val>("querySelector", std::string(".") + kEntryClass);
    if (entry.isNull()) return std::nullopt;
    return play::parseGameNumber(entry["value"].as<std::string>());
}

} // namespace quadrelle::web
