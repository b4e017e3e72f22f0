// SPDX-License-Identifier: MIT
#include "DialogBox.h"

#include <array>
#include <utility>

#include "BrowserLanguage.h"
#include "DomBuilder.h"

namespace quadrelle::web {

namespace {

using emscripten::val;
using play::Answer;

// The answers' values in the form, which the dialog's returnValue gives back.
constexpr std::array<std::pair<Answer, const char*>, 5> kValues{{
    {Answer::Yes, "yes"},
    {Answer::No, "no"},
    {Answer::Cancel, "cancel"},
    {Answer::Ok, "ok"},
    {Answer::Close, "close"},
}};

std::optional<Answer> answerOf(const std::string& value) {
    for (const auto& [answer, text] : kValues)
        if (value == text) return answer;
    return std::nullopt;
}

const char* valueOf(Answer answer) {
    for (const auto& [known, text] : kValues)
        if (known == answer) return text;
    return "";
}

} // namespace

DialogBox::DialogBox(std::string_view name, std::string_view title, play::Language language)
    : language_(language),
      dialog_(dom::element("dialog", "quadrelle-dialog quadrelle-" + std::string(name))) {
    dom::setAttribute(dialog_, "lang", languageTag(language));
    const std::string titleId = dom::newId(name);
    dom::setAttribute(dialog_, "aria-labelledby", titleId);
    // The buttons of a form of the dialog method close it with their value as the answer.
    val form = dom::append(dialog_, dom::element("form"));
    dom::setAttribute(form, "method", "dialog");
    val heading = dom::append(form, dom::textElement("h2", title, "quadrelle-dialog-title"));
    heading.set("id", titleId);
    body_ = dom::append(form, dom::element("div", "quadrelle-dialog-body"));
    answers_ = dom::append(form, dom::element("div", "quadrelle-dialog-answers"));
    listeners_.listen(dialog_, "close", [this](const val&) { closedByBrowser(); });
    // Keys typed in a dialog are the dialog's, never the game's.
    listeners_.listen(dialog_, "keydown", [](const val& event) { event.call<void>("stopPropagation"); });
}

DialogBox::~DialogBox() {
    listeners_.forgetAll();
    dialog_.call<void>("remove");
}

val DialogBox::addAnswer(Answer answer, bool isDefault) {
    val button = dom::append(answers_, dom::textElement("button", play::answerWord(answer, language_)));
    dom::setAttribute(button, "value", valueOf(answer));
    if (isDefault && defaultButton_.isNull()) {
        defaultButton_ = button;
        button.call<void>("setAttribute", std::string("autofocus"), std::string());
    }
    return button;
}

void DialogBox::open(Closed closed) {
    closed_ = std::move(closed);
    dom::append(dom::document()["body"], dialog_);
    dialog_.set("returnValue", std::string());
    open_ = true;
    dialog_.call<void>("showModal");
}

bool DialogBox::isOpen() const {
    return open_ && dialog_["open"].as<bool>();
}

void DialogBox::close(std::optional<Answer> answer) {
    if (!open_) return;
    dialog_.call<void>("close", std::string(answer ? valueOf(*answer) : ""));
}

void DialogBox::closedByBrowser() {
    if (!open_) return;
    open_ = false;
    const std::optional<Answer> answer = answerOf(dialog_["returnValue"].as<std::string>());
    dialog_.call<void>("remove");
    if (Closed closed = std::exchange(closed_, nullptr)) closed(answer);
}

} // namespace quadrelle::web
