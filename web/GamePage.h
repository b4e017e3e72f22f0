// SPDX-License-Identifier: MIT
// The game in a browser page: the designed window on one <canvas>, around one play session.
// It hands the session every mouse, touch, key and timer event and draws the session's screen
// after each, at the next animation frame; nothing runs while nothing happens. Beside the
// canvas it keeps the page's own controls: the context menu and the dialogs, the menu's
// button where there is room, and the board's grid and the notices for a screen reader. The settings are kept
// in the browser's storage. No game rule lives here.
#pragma once

#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <optional>

#include "BoardGrid.h"
#include "BrowserAlarm.h"
#include "BrowserTimers.h"
#include "Canvas2D.h"
#include "DesignedWindow.h"
#include "DomListeners.h"
#include "LocalStorage.h"
#include "MenuControl.h"
#include "MouseInput.h"
#include "NoticeBanner.h"
#include "PageActions.h"
#include "PageFit.h"
#include "SpokenNotice.h"
#include "SquarePictures.h"
#include "TouchPress.h"
#include "session/Session.h"
#include "sound/SoundDevice.h"

namespace quadrelle::web {

// Where the keyboard's focus is: the designed window's chain is the button, the spinner, then
// the board.
enum class Focus { NewGame, Spinner, Board };

class GamePage final : private play::SessionView {
public:
    GamePage(emscripten::val canvas, play::SoundDevice& sound, play::Language language);
    GamePage(const GamePage&) = delete;
    GamePage& operator=(const GamePage&) = delete;
    ~GamePage() override;

    // Deals the first game and starts listening to the page's events.
    void start(GameNumber firstGame);

    // Called back by the page.
    void requestRedraw();
    void fontsArrived();
    void addressChanged();
    void saveSettings() { session_.saveAll(); }

    const play::Session& session() const { return session_; }
    // The whole board can be drawn: the fonts and the pictures have arrived.
    bool boardReady() const { return fontsArrived_ && pictures_.allArrived(); }
    // And the page's own controls are there.
    bool ready() const { return boardReady() && grid_ && menuControl_; }
    const NoticeBanner& notice() const { return notice_; }

private:
    struct Grab {
        std::optional<int> square;
        std::optional<DesignedTarget> control;
        std::optional<SpinnerArrow> arrow;
    };

    void listen();
    static EM_BOOL onMouseDown(int, const EmscriptenMouseEvent* event, void* page);
    static EM_BOOL onMouseUp(int, const EmscriptenMouseEvent* event, void* page);
    static EM_BOOL onMouseMove(int, const EmscriptenMouseEvent* event, void* page);
    static EM_BOOL onKeyDown(int, const EmscriptenKeyboardEvent* event, void* page);
    static EM_BOOL onResize(int, const EmscriptenUiEvent*, void* page);
    static EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* event, void* page);
    static EM_BOOL onAnimationFrame(double, void* page);
    // Draws the window now, in place of any frame asked for.
    void drawFrame();

    // A button pressed or let go at a point of the page's viewport, by the mouse or for a
    // finger; buttonsHeld are those still down after it.
    void pointerPressed(Point client, DomButton button, HeldKeys keys);
    void pointerReleased(Point client, DomButton button, int buttonsHeld, HeldKeys keys);
    void pointerMoved(Point client);
    bool keyDown(const EmscriptenKeyboardEvent& event);
    bool controlKey(std::string_view key, bool repeated);
    void pressControl(DesignedTarget control, Point point);
    void releaseControl(DesignedTarget control, Point point);
    // False when the start level is at that end already.
    bool stepStartLevel(SpinnerArrow arrow);
    void repeatSpinnerStep();
    void setFocus(Focus focus);
    // Whether the keyboard's focus is on one of the page's own controls (the menu's button)
    // rather than on the designed window or the board's grid.
    bool focusOnPageControl() const;
    void moveFocus(bool backwards);
    void openMenuAtFocus();
    void contextMenuAsked(const emscripten::val& event);
    // The page's own controls, each made in a task of its own after the first frame.
    void askForPageControls();
    void addMenuControl();
    void addBoardGrid();
    void fit();
    void choosePictures();
    void redraw();

    // A finger on the page (GamePageTouch.cpp): a tap is a click, a long press a right click,
    // and a long press beside the board opens the menu.
    void listenToTouch();
    void touchDown(const emscripten::val& event);
    void touchMoved(const emscripten::val& event);
    void touchUp(const emscripten::val& event);
    void touchCancelled(const emscripten::val& event);
    void touchHeldLong(Point client);
    // Whether an event's target is the game's own page (the canvas and the ground around it)
    // rather than the menu, a dialog or the menu's button.
    bool onGroundOrCanvas(const emscripten::val& event) const;

    void screenChanged() override;
    void bestScoresEntered(int rank) override;

    BrowserTimers timers_;
    BrowserAlarm hintAlarm_{[this] { session_.hintExpired(); }};
    LocalStorage storage_;
    play::Language language_;
    play::Session session_;
    Canvas2D canvas_;
    Fit fit_{};
    SquarePictures pictures_;
    DesignedWindow window_;
    NoticeBanner notice_{[this] { requestRedraw(); }};
    // A spinner arrow held down steps again and again, as the desktop's scroll bar does.
    BrowserAlarm spinnerRepeat_{[this] { repeatSpinnerStep(); }};
    ControlLooks looks_;
    PageActions actions_;
    // Made after the first frame.
    std::optional<MenuControl> menuControl_;
    std::optional<BoardGrid> grid_;
    std::optional<SpokenNotice> spokenNotice_;
    TouchPress touch_{[this](Point client) { touchHeldLong(client); }};
    // A finger that went down on a designed control works it as the mouse does.
    bool touchOnControl_ = false;
    DomListeners listeners_;
    std::optional<Grab> grab_;
    Focus focus_ = Focus::NewGame;
    // Focus frames show once the keyboard has moved the focus, as the desktop's style does.
    bool focusShown_ = false;
    bool fontsArrived_ = false;
    bool redrawPending_ = false;
    long frameRequest_ = 0;
    bool boardShown_ = false;
    bool pageControlsAsked_ = false;
};

} // namespace quadrelle::web
