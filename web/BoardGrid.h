// SPDX-License-Identifier: MIT
// The board for a screen reader: a grid of 6 rows of 6 cells, hidden from sight but not from
// the accessibility tree, each cell named by its square's name and place ("green, arrow up,
// row 3, column 4"). It follows every screen, touching only the cells that changed; the cell
// under the session's cursor is the grid's one stop in the focus chain, and while the grid
// has the focus, the focus follows the cursor. The board's keys reach the session from the
// page's key handler; a cell that takes the focus, or is clicked (as a screen reader's
// activation does), puts the cursor on its square.
#pragma once

#include <emscripten/val.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "DomListeners.h"
#include "screen/Screen.h"
#include "texts/Texts.h"

namespace quadrelle::web {

class BoardGrid {
public:
    struct Events {
        // A cell took the focus.
        std::function<void(int square)> focused;
        // A cell was clicked.
        std::function<void(int square)> clicked;
    };

    BoardGrid(play::Language language, Events events);
    BoardGrid(const BoardGrid&) = delete;
    BoardGrid& operator=(const BoardGrid&) = delete;

    void show(const play::Screen& screen);
    bool hasFocus() const;
    // Gives the focus to the cell under the cursor; takes it away to the page.
    void focus();
    void blur();

private:
    int squareOf(const emscripten::val& event) const;

    play::Language language_;
    Events events_;
    emscripten::val grid_;
    // Square by square.
    std::vector<emscripten::val> cells_;
    std::array<std::string, play::kSquareCount> names_;
    int cursor_ = -1;
    DomListeners listeners_;
};

} // namespace quadrelle::web
