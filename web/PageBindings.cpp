// SPDX-License-Identifier: MIT
#include "PageBindings.h"

#include <emscripten/bind.h>

#include <string>

namespace quadrelle::web {

namespace {

using emscripten::val;

GamePage* boundPage = nullptr;

void redraw(val) {
    if (boundPage != nullptr) boundPage->requestRedraw();
}

void fontsArrived(val) {
    if (boundPage != nullptr) boundPage->fontsArrived();
}

void saveSettings(val) {
    if (boundPage != nullptr) boundPage->saveSettings();
}

void addressChanged(val) {
    if (boundPage != nullptr) boundPage->addressChanged();
}

val screenState() {
    val state = val::object();
    if (boundPage == nullptr) return state;
    const play::Session& session = boundPage->session();
    const play::Screen& screen = session.screen();
    state.set("score", screen.captions.score);
    state.set("highScore", screen.captions.highScore);
    state.set("level", screen.captions.level);
    state.set("left", screen.captions.reactionsLeft);
    state.set("erasers", screen.captions.removes);
    state.set("startLevel", screen.captions.startLevel);
    state.set("combo", screen.captions.comboCount);
    state.set("comboShown", screen.comboShown);
    state.set("gameOver", screen.gameOver);
    // As text: a game number may be larger than a JavaScript number holds exactly.
    state.set("gameNumber", std::to_string(screen.gameNumber.value));
    val pictures = val::array();
    for (const play::Picture picture : screen.pictures)
        pictures.call<void>("push", std::string(play::pictureName(picture)));
    state.set("pictures", pictures);
    state.set("cursor", screen.cursor);
    // The hinted move: its square and "StepUp", "StepDown", "Search" or "Erase"; null without one.
    if (screen.hint) {
        constexpr const char* kMoves[] = {"StepUp", "StepDown", "Search", "Erase"};
        val hint = val::object();
        hint.set("square", screen.hint->square);
        hint.set("move", std::string(kMoves[static_cast<int>(screen.hint->move)]));
        state.set("hint", hint);
    } else {
        state.set("hint", val::null());
    }
    state.set("notice", boundPage->notice().isShown() ? boundPage->notice().text() : std::string());
    state.set("atRest", session.game().atRest());
    state.set("ready", boundPage->ready());
    return state;
}

} // namespace

void bindPage(GamePage& page) {
    boundPage = &page;
}

EMSCRIPTEN_BINDINGS(quadrelle_page) {
    emscripten::function("quadrelleRedraw", &redraw);
    emscripten::function("quadrelleFontsArrived", &fontsArrived);
    emscripten::function("quadrelleSaveSettings", &saveSettings);
    emscripten::function("quadrelleAddressChanged", &addressChanged);
    emscripten::function("quadrelleScreen", &screenState);
}

} // namespace quadrelle::web
