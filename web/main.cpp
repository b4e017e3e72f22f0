// SPDX-License-Identifier: MIT
// The browser's game: the page's canvas becomes the game's window. The first game is the one
// the address names ("#game=12345"), else one drawn from the clock. The page lives as long as
// the browser's tab.
#include <emscripten/val.h>

#include "BrowserClock.h"
#include "BrowserLanguage.h"
#include "DomBuilder.h"
#include "GamePage.h"
#include "PageAddress.h"
#include "PageBindings.h"
#include "WebAudioSound.h"

using namespace quadrelle::web;

int main() {
    static WebAudioSound sound;
    const emscripten::val canvas = dom::byId("screen");
    static GamePage page(canvas, sound, browserLanguage());
    bindPage(page);
    // The first game starts at once: in a task of its own it waited behind whatever the browser
    // had queued by then.
    page.start(gameNumberInAddress().value_or(gameNumberFromClock()));
    return 0;
}
