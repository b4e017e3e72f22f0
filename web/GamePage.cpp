// SPDX-License-Identifier: MIT
// The page's events handed to the session, and the session's screen drawn.
#include "GamePage.h"

#include <algorithm>
#include <string>

#include "BoardPainter.h"
#include "BrowserClock.h"
#include "KeyText.h"
#include "MouseInput.h"
#include "PageAddress.h"
#include "game/Settings.h"
#include "session/GameNumberText.h"
#include "session/ShortcutTable.h"

namespace quadrelle::web {

namespace {

using emscripten::val;

constexpr auto kCanvasTarget = "#screen";
constexpr int kSpinnerRepeatDelayMs = 500;
constexpr int kSpinnerRepeatMs = 50;

// The question the desktop asks before "[x]" clears the high score.
constexpr auto kClearHiscoreContext = "ClearHiscorePrompt";
constexpr auto kClearHiscoreTitle = PLAY_TEXT("ClearHiscorePrompt", "Clear Hiscore");
constexpr auto kClearHiscoreQuestion =
    PLAY_TEXT("ClearHiscorePrompt", "Do you really want to clear the hiscore?");

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
      canvas_(std::move(canvas)), pictures_(val::module_property("quadrelleRedraw")), window_(language) {
    timers_.setTickHandler([this](TimerId timer) { session_.tick(timer); });
}

GamePage::~GamePage() {
    timers_.stopAll();
}

void GamePage::start(GameNumber firstGame) {
    val::global("document").set("title", std::string(play::kWindowCaption));
    fit();
    window_.fitCaptions(canvas_);
    listen();
    session_.start(firstGame);
}

void GamePage::listen() {
    emscripten_set_mousedown_callback(kCanvasTarget, this, EM_TRUE, &GamePage::onMouseDown);
    // A press keeps its target until the buttons are let go, wherever the pointer goes then.
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_TRUE, &GamePage::onMouseUp);
    emscripten_set_mousemove_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_TRUE, &GamePage::onMouseMove);
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_TRUE, &GamePage::onKeyDown);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, &GamePage::onResize);
    emscripten_set_visibilitychange_callback(this, EM_FALSE, &GamePage::onVisibility);
    // A right click on a square is a colour search, never the browser's menu.
    canvas_.element().call<void>("addEventListener", std::string("contextmenu"),
                                 val::module_property("quadrellePreventDefault"));
    const val window = val::global("window");
    window.call<void>("addEventListener", std::string("pagehide"),
                      val::module_property("quadrelleSaveSettings"));
    window.call<void>("addEventListener", std::string("hashchange"),
                      val::module_property("quadrelleAddressChanged"));
    const val fonts = val::global("document")["fonts"];
    if (fonts.isUndefined()) return fontsArrived();
    const val arrived = val::module_property("quadrelleFontsArrived");
    val loads = val::array();
    loads.call<void>("push", fonts.call<val>("load", CaptionFont{13, false}.css()));
    loads.call<void>("push", fonts.call<val>("load", CaptionFont{13, true}.css()));
    val::global("Promise").call<val>("all", loads).call<void>("then", arrived, arrived);
}

EM_BOOL GamePage::onMouseDown(int, const EmscriptenMouseEvent* event, void* page) {
    static_cast<GamePage*>(page)->mouseDown(*event);
    return EM_TRUE;
}

EM_BOOL GamePage::onMouseUp(int, const EmscriptenMouseEvent* event, void* page) {
    auto& self = *static_cast<GamePage*>(page);
    const bool grabbed = self.grab_.has_value();
    self.mouseUp(*event);
    return grabbed ? EM_TRUE : EM_FALSE;
}

EM_BOOL GamePage::onMouseMove(int, const EmscriptenMouseEvent* event, void* page) {
    static_cast<GamePage*>(page)->mouseMove(*event);
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
    auto& self = *static_cast<GamePage*>(page);
    self.redrawPending_ = false;
    self.redraw();
    return EM_FALSE;
}

void GamePage::mouseDown(const EmscriptenMouseEvent& event) {
    // The browser lets the page's audio start only in answer to the player.
    session_.prepareSound();
    const Point point = designedPointOf(canvas_, event.clientX, event.clientY);
    if (!grab_) {
        grab_ = Grab{squareAt(point), window_.targetAt(point), std::nullopt};
        if (grab_->control) grab_->square.reset();
    }
    if (grab_->control) {
        pressControl(*grab_->control, point);
    } else if (grab_->square) {
        const auto button = buttonOf(event.button, heldKeysOf(event));
        const play::PixelRect square = play::squareRect(*grab_->square);
        if (button) session_.press(*grab_->square, *button, halfAt(point.y - square.y));
    }
}

void GamePage::mouseUp(const EmscriptenMouseEvent& event) {
    if (!grab_) return;
    const Point point = designedPointOf(canvas_, event.clientX, event.clientY);
    const Grab grab = *grab_;
    // The last button let go ends the press; the browser says which are still held.
    if (event.buttons == 0) grab_.reset();
    if (grab.control) {
        releaseControl(*grab.control, point);
    } else if (grab.square) {
        const auto button = buttonOf(event.button, heldKeysOf(event));
        const play::PixelRect square = play::squareRect(*grab.square);
        if (button) session_.release(*grab.square, *button, halfAt(point.y - square.y));
    }
}

void GamePage::mouseMove(const EmscriptenMouseEvent& event) {
    if (!grab_ || grab_->control != DesignedTarget::NewGame) return;
    // The button is drawn pressed only while the pointer is over it.
    const Point point = designedPointOf(canvas_, event.clientX, event.clientY);
    const bool over = window_.targetAt(point) == DesignedTarget::NewGame;
    if (over != looks_.newGame.down) {
        looks_.newGame.down = over;
        requestRedraw();
    }
}

void GamePage::pressControl(DesignedTarget control, Point point) {
    switch (control) {
    case DesignedTarget::NewGame:
        focus_ = Focus::NewGame;
        looks_.newGame.down = true;
        break;
    case DesignedTarget::Spinner:
        focus_ = Focus::Spinner;
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
        if (over) clearHighScoreAsked();
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

void GamePage::clearHighScoreAsked() {
    const std::string question =
        std::string(play::translate(language_, kClearHiscoreContext, kClearHiscoreTitle)) + "\n\n" +
        std::string(play::translate(language_, kClearHiscoreContext, kClearHiscoreQuestion));
    if (val::global("window").call<bool>("confirm", question)) session_.clearHighScore();
}

void GamePage::playGameNumberAsked() {
    const auto description =
        play::translate(language_, play::kShortcutsContext,
                        play::shortcutFor(play::ShortcutAction::PlayGameNumber).description);
    const val answer = val::global("window").call<val>("prompt", std::string(description),
                                                       std::to_string(session_.screen().gameNumber.value));
    if (!answer.isString()) return;
    if (const auto number = play::parseGameNumber(answer.as<std::string>())) session_.newGame(*number);
}

bool GamePage::keyDown(const EmscriptenKeyboardEvent& event) {
    session_.prepareSound();
    const std::string key = portableKeyText(event);
    if (key.empty()) return false;
    if (key == "Tab" || key == "Shift+Tab") {
        moveFocus(key == "Shift+Tab");
        return true;
    }
    if (const auto action = windowShortcutOf(key)) {
        using enum play::ShortcutAction;
        switch (*action) {
        case NewGame: session_.newGame(gameNumberFromClock()); return true;
        case PlayGameNumber: playGameNumberAsked(); return true;
        case Sound: session_.setSoundOn(!session_.options().sound); return true;
        case ColourSymbols: session_.setColourSymbols(!session_.options().colourSymbols); return true;
        case Hint: session_.requestHint(); return true;
        default: return false;
        }
    }
    return controlKey(key, event.repeat != 0);
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

void GamePage::moveFocus(bool backwards) {
    constexpr Focus kChain[] = {Focus::NewGame, Focus::Spinner, Focus::Board};
    const auto at =
        static_cast<int>(std::find(std::begin(kChain), std::end(kChain), focus_) - std::begin(kChain));
    focus_ = kChain[(at + (backwards ? 2 : 1)) % 3];
    focusShown_ = true;
    requestRedraw();
}

void GamePage::fontsArrived() {
    fontsArrived_ = true;
    window_.fitCaptions(canvas_);
    requestRedraw();
}

void GamePage::addressChanged() {
    if (const auto number = gameNumberInAddress(); number && *number != session_.screen().gameNumber)
        session_.newGame(*number);
}

void GamePage::fit() {
    fit_ = fitToViewport(canvas_);
}

void GamePage::requestRedraw() {
    if (redrawPending_) return;
    redrawPending_ = true;
    emscripten_request_animation_frame(&GamePage::onAnimationFrame, this);
}

void GamePage::redraw() {
    const play::Screen& screen = session_.screen();
    constexpr double kSharpDensity = 1.5;
    pictures_.choose(screen.colourSymbols, fit_.density > kSharpDensity);
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
    notice_.follow(session_.screen().notice);
    requestRedraw();
}

void GamePage::bestScoresEntered(int) {
    // The page has no table of best scores yet; the session has saved them all the same.
}

} // namespace quadrelle::web
