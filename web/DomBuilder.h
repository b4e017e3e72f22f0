// SPDX-License-Identifier: MIT
// Building the page's own elements (the menu, the dialogs, the board's grid) from C++: an
// element of a tag with a class, its text, its attributes, its place in the page. Texts go in
// as text, never as markup, so nothing the player or a translation writes is read as HTML.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace quadrelle::web::dom {

emscripten::val document();
emscripten::val element(std::string_view tag, std::string_view className = {});
// The page's element of that id, or null.
emscripten::val byId(std::string_view id);
// An element holding a text.
emscripten::val textElement(std::string_view tag, std::string_view text, std::string_view className = {});
// Appends the child to the parent; gives back the child.
emscripten::val append(const emscripten::val& parent, const emscripten::val& child);
void setAttribute(const emscripten::val& element, std::string_view name, std::string_view value);
void setText(const emscripten::val& element, std::string_view text);
// A new id for the page, for aria-labelledby and the like: "quadrelle-<stem>-<n>".
std::string newId(std::string_view stem);
// The nearest of the node and its ancestors that matches the selector; null when none does or
// the node is no element (the document, a text).
emscripten::val closest(const emscripten::val& node, std::string_view selector);
// Whether the node is the element or inside it.
bool contains(const emscripten::val& element, const emscripten::val& node);
// The element that has the keyboard's focus, or null.
emscripten::val focusedElement();
// The element the point of the page shows (clientX, clientY), or null.
emscripten::val elementAt(double clientX, double clientY);

} // namespace quadrelle::web::dom
