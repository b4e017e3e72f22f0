// SPDX-License-Identifier: MIT
// The page's events handed to the session, and the session's screen drawn.
#include "GamePage.h"

#include <emscripten/eventloop.h>

#include <algorithm>
#include <string>
#include <utility>

#include "BoardPainter.h"
#include "BrowserClock.h"
#include "CaptionFonts.h"
#include "DomBuilder.h"
#include "KeyText.h"
#include "PageAddress.h"
#include "game/Settings.h"
#include "session/ShortcutTable.h"

namespace quadrelle::web {

namespace {

using emscripten::val;

constexpr auto kCanvasTarget = "#screen";
constexpr int kSpinnerRepeatDelayMs = 500;
constexpr int kSpinnerRepeatMs = 50;

HeldKeys heldKeysOf(const EmscriptenMouseEvent& event) {
    return {event.shiftKey != 0, event.ctrlKey != 0, event.altKey != 0};
}

std::optional<play::BoardKey> boardKeyOf(std::string_view key) {
    using enum play::BoardKey;
    const std::pair<std::string_view, play::BoardKey> keys[] = {
        {"Left", Left},    {"Right", Right}, {"Up", Up},       {"Down", Down},       {"Space", Click},
        {"Return", Click}, {"Enter", Click}, {"PgUp", StepUp}, {"PgDown", StepDown}, {"F", Search},
    };
    for (const auto& [text, boardKey] : keys)
        if (key == text) return boardKey;
    return std::nullopt;
}

bool movesTheCursor(play::BoardKey key) {
    using enum play::BoardKey;
    return key == Left || key == Right || key == Up || key == Down;
}

// Asks the page to keep the site for offline play (index.html).
void workOffline() {
    const val work = val::global("quadrelleWorkOffline");
    if (work.typeOf().as<std::string>() == "function") work();
}

std::optional<play::ShortcutAction> windowShortcutOf(std::string_view key) {
    for (const play::Shortcut& shortcut : play::shortcuts()) {
        if (shortcut.scope != play::ShortcutScope::Window) continue;
        for (const char* text : shortcut.keys)
            if (key == text) return shortcut.action;
    }
    return std::nullopt;
}

} // namespace

GamePage::GamePage(val canvas, play::SoundDevice& sound, play::Language language)
    : language_(language), session_({timers_, sound, storage_, hintAlarm_, todayHere, *this}, language),
      canvas_(std::move(canvas)), pictures_(val::module_property("quadrelleRedraw")), window_(language),
      actions_(session_, language) {
    timers_.setTickHandler([this](TimerId timer) { session_.tick(timer); });
}

GamePage::~GamePage() {
    timers_.stopAll();
}

void GamePage::start(GameNumber firstGame) {
    val::global("document").set("title", std::string(play::kWindowCaption));
    fit();
    // The captions are fitted once their font is there (fontsArrived), before any frame.
    listen();
    session_.start(firstGame);
    choosePictures();
    requestRedraw();
}

void GamePage::listen() {
    emscripten_set_mousedown_callback(kCanvasTarget, this, EM_TRUE, &GamePage::onMouseDown);
    // A press keeps its target until the buttons are let go, wherever the pointer goes then.
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_TRUE, &GamePage::onMouseUp);
    emscripten_set_mousemove_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_TRUE, &GamePage::onMouseMove);
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_TRUE, &GamePage::onKeyDown);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, &GamePage::onResize);
    emscripten_set_visibilitychange_callback(this, EM_FALSE, &GamePage::onVisibility);
    const val window = val::global("window");
    // A right click on a square is a colour search; anywhere else on the page it is the menu.
    listeners_.listen(window, "contextmenu", [this](const val& event) { contextMenuAsked(event); });
    listenToTouch();
    window.call<void>("addEventListener", std::string("pagehide"),
                      val::module_property("quadrelleSaveSettings"));
    window.call<void>("addEventListener", std::string("hashchange"),
                      val::module_property("quadrelleAddressChanged"));
    addCaptionFonts().call<void>("then", val::module_property("quadrelleFontsArrived"));
}

EM_BOOL GamePage::onMouseDown(int, const EmscriptenMouseEvent* event, void* page) {
    const HeldKeys keys = heldKeysOf(*event);
    static_cast<GamePage*>(page)->pointerPressed(
        {static_cast<double>(event->clientX), static_cast<double>(event->clientY)},
        static_cast<DomButton>(event->button), keys);
    return EM_TRUE;
}

EM_BOOL GamePage::onMouseUp(int, const EmscriptenMouseEvent* event, void* page) {
    auto& self = *static_cast<GamePage*>(page);
    const bool grabbed = self.grab_.has_value();
    self.pointerReleased({static_cast<double>(event->clientX), static_cast<double>(event->clientY)},
                         static_cast<DomButton>(event->button), event->buttons, heldKeysOf(*event));
    return grabbed ? EM_TRUE : EM_FALSE;
}

EM_BOOL GamePage::onMouseMove(int, const EmscriptenMouseEvent* event, void* page) {
    static_cast<GamePage*>(page)->pointerMoved(
        {static_cast<double>(event->clientX), static_cast<double>(event->clientY)});
    return EM_FALSE;
}

EM_BOOL GamePage::onKeyDown(int, const EmscriptenKeyboardEvent* event, void* page) {
    return static_cast<GamePage*>(page)->keyDown(*event) ? EM_TRUE : EM_FALSE;
}

EM_BOOL GamePage::onResize(int, const EmscriptenUiEvent*, void* page) {
    auto& self = *static_cast<GamePage*>(page);
    self.fit();
    // A resized canvas is blank until it is drawn, so it is drawn at once.
    self.redraw();
    return EM_FALSE;
}

EM_BOOL GamePage::onVisibility(int, const EmscriptenVisibilityChangeEvent* event, void* page) {
    // A hidden page may never come back: a phone's browser ends it without another event.
    if (event->hidden) static_cast<GamePage*>(page)->saveSettings();
    return EM_FALSE;
}

EM_BOOL GamePage::onAnimationFrame(double, void* page) {
    static_cast<GamePage*>(page)->drawFrame();
    return EM_FALSE;
}

void GamePage::drawFrame() {
    if (std::exchange(redrawPending_, false)) emscripten_cancel_animation_frame(frameRequest_);
    redraw();
    if (!std::exchange(pageControlsAsked_, true)) askForPageControls();
    if (boardShown_ || !boardReady()) return;
    boardShown_ = true;
    // Marked for whoever measures the page's start, as a user timing entry costs nothing to ask for.
    val::global("performance").call<void>("mark", std::string("quadrelle-first-board"));
}

void GamePage::askForPageControls() {
    // In tasks of their own two frames on, once the first frame is on screen, so that nothing
    // they do holds it back; and after them the keeping of the site for offline play.
    const auto inTwoFrames = [](double, void* page) {
        emscripten_request_animation_frame(
            [](double, void* page) {
                emscripten_set_timeout([](void* page) { static_cast<GamePage*>(page)->addMenuControl(); }, 0,
                                       page);
                emscripten_set_timeout([](void* page) { static_cast<GamePage*>(page)->addBoardGrid(); }, 0,
                                       page);
                emscripten_set_timeout([](void*) { workOffline(); }, 0, nullptr);
                return EM_FALSE;
            },
            page);
        return EM_FALSE;
    };
    emscripten_request_animation_frame(inTwoFrames, this);
}

void GamePage::addMenuControl() {
    menuControl_.emplace(
        language_, [this](double x, double y, bool fromKeyboard) { actions_.openMenu(x, y, fromKeyboard); });
    const val window = val::global("window");
    menuControl_->place(fit_, window["innerWidth"].as<double>(), window["innerHeight"].as<double>());
    spokenNotice_.emplace(language_);
}

void GamePage::addBoardGrid() {
    grid_.emplace(language_, BoardGrid::Events{[this](int square) {
                                                   setFocus(Focus::Board);
                                                   if (square != session_.screen().cursor)
                                                       session_.moveCursor(square);
                                               },
                                               [this](int square) {
                                                   session_.prepareSound();
                                                   if (square != session_.screen().cursor)
                                                       session_.moveCursor(square);
                                                   session_.pressBoardKey(play::BoardKey::Click);
                                               }});
    grid_->show(session_.screen());
    if (focus_ == Focus::Board) grid_->focus();
}

void GamePage::pointerPressed(Point client, DomButton domButton, HeldKeys keys) {
    // The browser lets the page's audio start only in answer to the player.
    session_.prepareSound();
    const Point point = designedPointOf(canvas_, client.x, client.y);
    if (!grab_) {
        grab_ = Grab{squareAt(point), window_.targetAt(point), std::nullopt};
        if (grab_->control) grab_->square.reset();
    }
    if (grab_->control) {
        pressControl(*grab_->control, point);
    } else if (grab_->square) {
        const auto button = buttonOf(static_cast<int>(domButton), keys);
        const play::PixelRect square = play::squareRect(*grab_->square);
        if (button) session_.press(*grab_->square, *button, halfAt(point.y - square.y));
    }
}

void GamePage::pointerReleased(Point client, DomButton domButton, int buttonsHeld, HeldKeys keys) {
    if (!grab_) return;
    const Point point = designedPointOf(canvas_, client.x, client.y);
    const Grab grab = *grab_;
    // The last button let go ends the press; the browser says which are still held.
    if (buttonsHeld == 0) grab_.reset();
    if (grab.control) {
        releaseControl(*grab.control, point);
    } else if (grab.square) {
        const auto button = buttonOf(static_cast<int>(domButton), keys);
        const play::PixelRect square = play::squareRect(*grab.square);
        if (button) session_.release(*grab.square, *button, halfAt(point.y - square.y));
    }
}

void GamePage::pointerMoved(Point client) {
    if (!grab_ || grab_->control != DesignedTarget::NewGame) return;
    // The button is drawn pressed only while the pointer is over it.
    const Point point = designedPointOf(canvas_, client.x, client.y);
    const bool over = window_.targetAt(point) == DesignedTarget::NewGame;
    if (over != looks_.newGame.down) {
        looks_.newGame.down = over;
        requestRedraw();
    }
}

void GamePage::pressControl(DesignedTarget control, Point point) {
    switch (control) {
    case DesignedTarget::NewGame:
        setFocus(Focus::NewGame);
        looks_.newGame.down = true;
        break;
    case DesignedTarget::Spinner:
        setFocus(Focus::Spinner);
        grab_->arrow = spinnerArrowAt(window_.rectOf(DesignedTarget::Spinner), point);
        looks_.spinner.held = grab_->arrow;
        if (grab_->arrow && stepStartLevel(*grab_->arrow)) spinnerRepeat_.start(kSpinnerRepeatDelayMs);
        break;
    case DesignedTarget::ClearHighScore: break;
    }
    requestRedraw();
}

void GamePage::releaseControl(DesignedTarget control, Point point) {
    const bool over = window_.targetAt(point) == control;
    looks_.newGame.down = false;
    looks_.spinner.held.reset();
    spinnerRepeat_.stop();
    requestRedraw();
    switch (control) {
    case DesignedTarget::NewGame:
        if (over) session_.newGame(gameNumberFromClock());
        break;
    case DesignedTarget::ClearHighScore:
        if (over) actions_.perform(play::ShortcutAction::ClearHighScore);
        break;
    case DesignedTarget::Spinner: break;
    }
}

bool GamePage::stepStartLevel(SpinnerArrow arrow) {
    const int level = session_.screen().startLevel + (arrow == SpinnerArrow::Raise ? 1 : -1);
    if (level < kMinStartLevel || level > kMaxStartLevel) return false;
    session_.setStartLevel(level);
    return true;
}

void GamePage::repeatSpinnerStep() {
    if (!grab_ || !grab_->arrow) return;
    if (stepStartLevel(*grab_->arrow)) spinnerRepeat_.start(kSpinnerRepeatMs);
}

bool GamePage::keyDown(const EmscriptenKeyboardEvent& event) {
    // The page's menu and dialogs take their own keys.
    if (actions_.haveInput()) return false;
    session_.prepareSound();
    const std::string key = portableKeyText(event);
    if (key.empty()) return false;
    if (const auto action = windowShortcutOf(key)) {
        if (*action != play::ShortcutAction::ContextMenu) return actions_.perform(*action);
        openMenuAtFocus();
        return true;
    }
    // The menu's button takes its own keys, Tab among them.
    if (focusOnPageControl()) return false;
    if (key == "Tab" || key == "Shift+Tab") {
        moveFocus(key == "Shift+Tab");
        return true;
    }
    return controlKey(key, event.repeat != 0);
}

bool GamePage::focusOnPageControl() const {
    const val focused = dom::focusedElement();
    return !focused.isNull() && !focused.equals(dom::document()["body"]) &&
           !focused.equals(canvas_.element()) && !(grid_ && grid_->hasFocus());
}

// The keys of the control that has the focus.
bool GamePage::controlKey(std::string_view key, bool repeated) {
    switch (focus_) {
    case Focus::NewGame:
        if (key != "Space" && key != "Return" && key != "Enter") return false;
        if (!repeated) session_.newGame(gameNumberFromClock());
        return true;
    case Focus::Spinner:
        if (key == "Up" || key == "PgUp")
            stepStartLevel(SpinnerArrow::Raise);
        else if (key == "Down" || key == "PgDown")
            stepStartLevel(SpinnerArrow::Lower);
        else
            return false;
        return true;
    case Focus::Board:
        if (const auto boardKey = boardKeyOf(key)) {
            // Held down, the cursor keys repeat; a move is made once per press.
            if (movesTheCursor(*boardKey) || !repeated) session_.pressBoardKey(*boardKey);
            return true;
        }
        return false;
    }
    return false;
}

// The board's stop is the grid's cell under the cursor, so a screen reader follows it.
void GamePage::setFocus(Focus focus) {
    focus_ = focus;
    if (focus == Focus::Board) {
        focusShown_ = true;
        if (grid_ && !grid_->hasFocus()) grid_->focus();
    } else {
        if (grid_) grid_->blur();
        // A designed control has it now, which the page's own controls give up.
        if (focusOnPageControl()) dom::focusedElement().call<void>("blur");
    }
    requestRedraw();
}

void GamePage::moveFocus(bool backwards) {
    constexpr Focus kChain[] = {Focus::NewGame, Focus::Spinner, Focus::Board};
    const auto at =
        static_cast<int>(std::find(std::begin(kChain), std::end(kChain), focus_) - std::begin(kChain));
    focusShown_ = true;
    setFocus(kChain[(at + (backwards ? 2 : 1)) % 3]);
}

// From the keyboard the menu opens over what has the focus: the control, or the square
// under the board's cursor.
void GamePage::openMenuAtFocus() {
    play::PixelRect place = play::squareRect(session_.screen().cursor);
    if (focus_ == Focus::NewGame) place = window_.rectOf(DesignedTarget::NewGame);
    if (focus_ == Focus::Spinner) place = window_.rectOf(DesignedTarget::Spinner);
    const val box = canvas_.element().call<val>("getBoundingClientRect");
    const double scale = box["width"].as<double>() / play::kClientWidth;
    actions_.openMenu(box["left"].as<double>() + (place.x + place.width / 2.0) * scale,
                      box["top"].as<double>() + (place.y + place.height / 2.0) * scale, true);
}

void GamePage::contextMenuAsked(const val& event) {
    // In a dialog the browser's own menu stays, to paste a number; the menu has its own.
    if (!dom::closest(event["target"], "dialog, .quadrelle-menu-layer").isNull()) return;
    event.call<void>("preventDefault");
    // A finger's long press is timed by the page itself.
    if (touch_.active() || actions_.haveInput()) return;
    const double x = event["clientX"].as<double>();
    const double y = event["clientY"].as<double>();
    // On a square the right button is the colour search.
    if (event["target"].equals(canvas_.element()) && squareAt(designedPointOf(canvas_, x, y))) return;
    actions_.openMenu(x, y, false);
}

void GamePage::fontsArrived() {
    fontsArrived_ = true;
    canvas_.forgetFontMetrics();
    window_.fitCaptions(canvas_);
    requestRedraw();
}

void GamePage::addressChanged() {
    if (const auto number = gameNumberInAddress(); number && *number != session_.screen().gameNumber)
        session_.newGame(*number);
}

void GamePage::fit() {
    fit_ = fitToViewport(canvas_);
    const val window = val::global("window");
    if (menuControl_)
        menuControl_->place(fit_, window["innerWidth"].as<double>(), window["innerHeight"].as<double>());
    actions_.closeMenu();
}

void GamePage::requestRedraw() {
    // The first whole board is drawn as soon as all it needs is there, not at the next frame.
    if (!boardShown_ && boardReady()) return drawFrame();
    if (redrawPending_) return;
    redrawPending_ = true;
    frameRequest_ = emscripten_request_animation_frame(&GamePage::onAnimationFrame, this);
}

void GamePage::choosePictures() {
    constexpr double kSharpDensity = 1.5;
    pictures_.choose(session_.screen().colourSymbols, fit_.density > kSharpDensity);
}

void GamePage::redraw() {
    const play::Screen& screen = session_.screen();
    choosePictures();
    canvas_.fillRect(0, 0, play::kClientWidth, play::kClientHeight, Colour{0, 0, 0});
    drawSquares(canvas_, screen, pictures_);
    ControlLooks looks = looks_;
    looks.newGame.focused = focusShown_ && focus_ == Focus::NewGame;
    looks.spinner.focused = focusShown_ && focus_ == Focus::Spinner;
    window_.draw(canvas_, screen, looks);
    drawBoardMarks(canvas_, screen, focusShown_ && focus_ == Focus::Board);
    notice_.draw(canvas_);
}

void GamePage::screenChanged() {
    showGameNumberInAddress(session_.screen().gameNumber);
    notice_.follow(session_.screen().notice);
    if (spokenNotice_) spokenNotice_->follow(session_.screen().notice);
    if (grid_) grid_->show(session_.screen());
    requestRedraw();
}

void GamePage::bestScoresEntered(int rank) {
    actions_.bestScoresEntered(rank);
}

} // namespace quadrelle::web
