// SPDX-License-Identifier: MIT
// Listeners that a page element calls back in C++: each is a numbered handler, and the
// element is given the one bound entry point with that number bound in, so no JavaScript is
// written for it. An owner forgets its listeners when it goes, and the element with them.
#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <vector>

namespace quadrelle::web {

using DomHandler = std::function<void(const emscripten::val& event)>;

class DomListeners {
public:
    DomListeners() = default;
    DomListeners(const DomListeners&) = delete;
    DomListeners& operator=(const DomListeners&) = delete;
    ~DomListeners() { forgetAll(); }

    // Calls handler for every event of that type at the element (or below it, for events that
    // bubble).
    void listen(const emscripten::val& element, const std::string& type, DomHandler handler);
    // Takes every listener off its element; a handler that is running finishes.
    void forgetAll();

private:
    struct Listening {
        int number;
        emscripten::val element;
        std::string type;
        emscripten::val function;
    };
    std::vector<Listening> listening_;
};

} // namespace quadrelle::web
