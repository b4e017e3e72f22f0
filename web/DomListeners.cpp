// SPDX-License-Identifier: MIT
#include "DomListeners.h"

#include <emscripten/bind.h>

#include <map>

namespace quadrelle::web {

namespace {

using emscripten::val;

std::map<int, DomHandler>& handlers() {
    static std::map<int, DomHandler> table;
    return table;
}

int nextNumber = 1;

void dispatch(int number, val event) {
    const auto found = handlers().find(number);
    // A copy: the handler may close what owns it.
    if (found == handlers().end()) return;
    const DomHandler handler = found->second;
    handler(event);
}

} // namespace

void DomListeners::listen(const val& element, const std::string& type, DomHandler handler) {
    const int number = nextNumber++;
    handlers()[number] = std::move(handler);
    const val function = val::module_property("quadrelleDomEvent").call<val>("bind", val::null(), number);
    element.call<void>("addEventListener", type, function);
    listening_.push_back({number, element, type, function});
}

void DomListeners::forgetAll() {
    for (const Listening& listening : listening_) {
        listening.element.call<void>("removeEventListener", listening.type, listening.function);
        handlers().erase(listening.number);
    }
    listening_.clear();
}

EMSCRIPTEN_BINDINGS(quadrelle_dom_listeners) {
    emscripten::function("quadrelleDomEvent", &dispatch);
}

} // namespace quadrelle::web
