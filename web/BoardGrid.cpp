// SPDX-License-Identifier: MIT
#include "BoardGrid.h"

#include "BrowserLanguage.h"
#include "DomBuilder.h"
#include "screen/SquareNames.h"
#include "screen/WindowTexts.h"

namespace quadrelle::web {

namespace {

using emscripten::val;

constexpr int kSide = 6;
constexpr auto kSquareAttribute = "data-square";

void focusWithoutScrolling(const val& element) {
    val options = val::object();
    options.set("preventScroll", true);
    element.call<void>("focus", options);
}

} // namespace

BoardGrid::BoardGrid(play::Language language, Events events)
    : language_(language), events_(std::move(events)), grid_(dom::element("div", "quadrelle-board-grid")) {
    dom::setAttribute(grid_, "role", "grid");
    dom::setAttribute(grid_, "aria-label", play::boardName(language));
    dom::setAttribute(grid_, "lang", languageTag(language));
    for (int row = 0; row < kSide; ++row) {
        val line = dom::append(grid_, dom::element("div"));
        dom::setAttribute(line, "role", "row");
        for (int column = 0; column < kSide; ++column) {
            const int square = row * kSide + column;
            val cell = dom::append(line, dom::element("div"));
            dom::setAttribute(cell, "role", "gridcell");
            dom::setAttribute(cell, "tabindex", "-1");
            dom::setAttribute(cell, kSquareAttribute, std::to_string(square));
            cells_.push_back(cell);
        }
    }
    dom::append(dom::document()["body"], grid_);
    listeners_.listen(grid_, "focusin", [this](const val& event) {
        if (const int square = squareOf(event); square >= 0) events_.focused(square);
    });
    listeners_.listen(grid_, "click", [this](const val& event) {
        if (const int square = squareOf(event); square >= 0) events_.clicked(square);
    });
}

void BoardGrid::show(const play::Screen& screen) {
    for (int square = 0; square < play::kSquareCount; ++square) {
        const auto at = static_cast<std::size_t>(square);
        const std::string name = play::squareNameAndPlace(screen.squareNames[at], square, language_);
        if (name == names_[at]) continue;
        names_[at] = name;
        dom::setText(cells_[at], name);
    }
    if (screen.cursor == cursor_) return;
    const bool hadFocus = hasFocus();
    if (cursor_ >= 0) dom::setAttribute(cells_[static_cast<std::size_t>(cursor_)], "tabindex", "-1");
    cursor_ = screen.cursor;
    dom::setAttribute(cells_[static_cast<std::size_t>(cursor_)], "tabindex", "0");
    if (hadFocus) focus();
}

bool BoardGrid::hasFocus() const {
    return dom::contains(grid_, dom::focusedElement());
}

void BoardGrid::focus() {
    if (cursor_ >= 0) focusWithoutScrolling(cells_[static_cast<std::size_t>(cursor_)]);
}

void BoardGrid::blur() {
    if (hasFocus()) dom::focusedElement().call<void>("blur");
}

int BoardGrid::squareOf(const val& event) const {
    const val cell = dom::closest(event["target"], std::string("[") + kSquareAttribute + "]");
    if (cell.isNull()) return -1;
    return std::stoi(cell.call<val>("getAttribute", std::string(kSquareAttribute)).as<std::string>());
}

} // namespace quadrelle::web
