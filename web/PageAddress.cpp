// SPDX-License-Identifier: MIT
#include "PageAddress.h"

#include <emscripten/val.h>

#include <string>

#include "session/GameNumberText.h"

namespace quadrelle::web {

std::optional<GameNumber> gameNumberInFragment(std::string_view fragment) {
    constexpr std::string_view kPrefix = "#game=";
    if (!fragment.starts_with(kPrefix)) return std::nullopt;
    fragment.remove_prefix(kPrefix.size());
    // Further parameters may follow, as in "#game=12&lang=de".
    return play::parseGameNumber(fragment.substr(0, fragment.find('&')));
}

std::optional<GameNumber> gameNumberInAddress() {
    const auto fragment = emscripten::val::global("location")["hash"].as<std::string>();
    return gameNumberInFragment(fragment);
}

void showGameNumberInAddress(GameNumber number) {
    if (gameNumberInAddress() == number) return;
    // In place of the address, not after it: Back leaves the game rather than stepping through
    // every game played.
    const std::string fragment = "#game=" + std::to_string(number.value);
    emscripten::val::global("history").call<void>("replaceState", emscripten::val::null(), std::string(),
                                                  fragment);
}

} // namespace quadrelle::web
