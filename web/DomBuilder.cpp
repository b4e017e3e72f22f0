// SPDX-License-Identifier: MIT
#include "DomBuilder.h"

namespace quadrelle::web::dom {

using emscripten::val;

val document() {
    return val::global("document");
}

val element(std::string_view tag, std::string_view className) {
    val created = document().call<val>("createElement", std::string(tag));
    if (!className.empty()) created.set("className", std::string(className));
    return created;
}

val textElement(std::string_view tag, std::string_view text, std::string_view className) {
    val created = element(tag, className);
    setText(created, text);
    return created;
}

val append(const val& parent, const val& child) {
    parent.call<void>("append", child);
    return child;
}

void setAttribute(const val& element, std::string_view name, std::string_view value) {
    element.call<void>("setAttribute", std::string(name), std::string(value));
}

void setText(const val& element, std::string_view text) {
    val changed = element;
    changed.set("textContent", std::string(text));
}

std::string newId(std::string_view stem) {
    static int count = 0;
    return "quadrelle-" + std::string(stem) + "-" + std::to_string(++count);
}

val closest(const val& node, std::string_view selector) {
    constexpr int kElementNode = 1;
    if (node.isNull() || node.isUndefined() || !node["nodeType"].isNumber() ||
        node["nodeType"].as<int>() != kElementNode)
        return val::null();
    return node.call<val>("closest", std::string(selector));
}

bool contains(const val& element, const val& node) {
    if (element.isNull() || element.isUndefined() || node.isNull() || node.isUndefined()) return false;
    return element.call<bool>("contains", node);
}

val byId(std::string_view id) {
    return document().call<val>("getElementById", std::string(id));
}

val focusedElement() {
    return document()["activeElement"];
}

val elementAt(double clientX, double clientY) {
    return document().call<val>("elementFromPoint", clientX, clientY);
}

} // namespace quadrelle::web::dom
