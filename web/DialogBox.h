// SPDX-License-Identifier: MIT
// A dialog of the page: a <dialog> with a title, a body its maker fills, and a row of answer
// buttons in the player's language. It opens modal for input only: the game's timers and
// drawing go on behind it. Escape closes it without an answer. Closed, it leaves the page and
// hands its answer back once.
#pragma once

#include <emscripten/val.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "DomListeners.h"
#include "screen/AnswerWords.h"

namespace quadrelle::web {

class DialogBox {
public:
    // No answer when the dialog was closed without one (Escape).
    using Closed = std::function<void(std::optional<play::Answer>)>;

    // name is its class, "quadrelle-<name>", by which the page's style and tests know it.
    DialogBox(std::string_view name, std::string_view title, play::Language language);
    DialogBox(const DialogBox&) = delete;
    DialogBox& operator=(const DialogBox&) = delete;
    ~DialogBox();

    const emscripten::val& element() const { return dialog_; }
    // Where the maker puts what the dialog says.
    const emscripten::val& body() const { return body_; }
    // The first default button takes the focus when the dialog opens, unless the maker focuses
    // something else.
    emscripten::val addAnswer(play::Answer answer, bool isDefault = false);
    DomListeners& listeners() { return listeners_; }

    void open(Closed closed);
    void close(std::optional<play::Answer> answer = std::nullopt);
    // Shown in the page: false from the moment it closes.
    bool isOpen() const;
    // Closed, and its answer handed back, which the browser does a moment after it closes.
    bool isFinished() const { return !open_; }

private:
    void closedByBrowser();

    play::Language language_;
    emscripten::val dialog_;
    emscripten::val body_ = emscripten::val::null();
    emscripten::val answers_ = emscripten::val::null();
    emscripten::val defaultButton_ = emscripten::val::null();
    Closed closed_;
    DomListeners listeners_;
    bool open_ = false;
};

} // namespace quadrelle::web
