// SPDX-License-Identifier: MIT
// A finger on the page, through the browser's pointer events. A tap on a square is a plain
// click, its half choosing a two-way square's step; a long press on a square is the special
// press (the colour search, or the eraser); a long press anywhere else on the window or
// around it opens the menu. A finger on "New Game", the spinner or "[x]" works it as the
// mouse does, the spinner repeating while held. The pointer events' default is refused at the
// finger's first touch, so the browser makes no mouse events of it, and no scrolling or
// zooming fights the board. The mouse and a pen keep their own events.
#include "GamePage.h"

#include "BoardPainter.h"
#include "DomBuilder.h"

namespace quadrelle::web {

namespace {

using emscripten::val;

bool isTouch(const val& event) {
    return event["pointerType"].as<std::string>() == "touch";
}

Point clientPointOf(const val& event) {
    return {event["clientX"].as<double>(), event["clientY"].as<double>()};
}

int pointerOf(const val& event) {
    return event["pointerId"].as<int>();
}

} // namespace

void GamePage::listenToTouch() {
    const val window = val::global("window");
    listeners_.listen(window, "pointerdown", [this](const val& event) { touchDown(event); });
    listeners_.listen(window, "pointermove", [this](const val& event) { touchMoved(event); });
    listeners_.listen(window, "pointerup", [this](const val& event) { touchUp(event); });
    listeners_.listen(window, "pointercancel", [this](const val& event) { touchCancelled(event); });
}

bool GamePage::onGroundOrCanvas(const val& event) const {
    const val target = event["target"];
    const val document = dom::document();
    return target.equals(canvas_.element()) || target.equals(document["body"]) ||
           target.equals(document["documentElement"]);
}

void GamePage::touchDown(const val& event) {
    if (!isTouch(event) || !onGroundOrCanvas(event) || actions_.haveInput()) return;
    event.call<void>("preventDefault");
    const Point client = clientPointOf(event);
    if (!touch_.down(pointerOf(event), client)) return;
    session_.prepareSound();
    touchOnControl_ = event["target"].equals(canvas_.element()) &&
                      window_.targetAt(designedPointOf(canvas_, client.x, client.y)).has_value();
    if (touchOnControl_) pointerPressed(client, DomButton::Main, {});
}

void GamePage::touchMoved(const val& event) {
    if (!isTouch(event) || !touch_.isFollowing(pointerOf(event))) return;
    event.call<void>("preventDefault");
    if (touchOnControl_) return pointerMoved(clientPointOf(event));
    touch_.moved(pointerOf(event), clientPointOf(event));
}

void GamePage::touchUp(const val& event) {
    if (!isTouch(event) || !touch_.isFollowing(pointerOf(event))) return;
    event.call<void>("preventDefault");
    const Point start = touch_.start();
    const TouchPress::Ending ending = touch_.up(pointerOf(event));
    if (std::exchange(touchOnControl_, false))
        return pointerReleased(clientPointOf(event), DomButton::Main, 0, {});
    if (ending != TouchPress::Ending::Tap || !squareAt(designedPointOf(canvas_, start.x, start.y))) return;
    // A tap is a plain click where the finger came down.
    pointerPressed(start, DomButton::Main, {});
    pointerReleased(start, DomButton::Main, 0, {});
}

void GamePage::touchCancelled(const val& event) {
    if (!isTouch(event) || !touch_.isFollowing(pointerOf(event))) return;
    touch_.cancel(pointerOf(event));
    // Let go away from the control, so it does nothing.
    if (std::exchange(touchOnControl_, false)) pointerReleased({-1e6, -1e6}, DomButton::Main, 0, {});
}

void GamePage::touchHeldLong(Point client) {
    if (touchOnControl_) return;
    if (squareAt(designedPointOf(canvas_, client.x, client.y))) {
        // The right button's press; its release does nothing, so it comes at once.
        pointerPressed(client, DomButton::Secondary, {});
        pointerReleased(client, DomButton::Secondary, 0, {});
        return;
    }
    actions_.openMenu(client.x, client.y, false);
}

} // namespace quadrelle::web
