// SPDX-License-Identifier: MIT
// The game window: the designed controls, the board's keyboard overlay and the menu's
// actions, around one play session. It hands the session every mouse, button, spinner, label,
// key and timer event and redraws from the session's screen after each; the sound plays
// through the device it is given and the settings are kept in the storage it is given. No
// game rule lives here.
#pragma once

#include <QWidget>

#include <map>
#include <optional>

#include "window/DesignedControls.h"
#include "window/QtAlarm.h"
#include "window/QtTimerService.h"
#include "window/Shortcuts.h"
#include "window/TemplatePictures.h"
#include "session/Session.h"

namespace quadrelle::app {

class BoardOverlay;
class Notice;

class Tessarin : public QWidget, private play::SessionView {
    Q_OBJECT

public:
    // Without a first game number, the first game's number is drawn from the clock. The sound
    // device is let go of when the player turns the sound off.
    Tessarin(play::SettingsStorage& storage, play::SoundDevice& sound,
             std::optional<GameNumber> firstGame = std::nullopt, QWidget* parent = nullptr);
    ~Tessarin() override;

    const Game& game() const { return session_.game(); }
    // Goes on from a position, at rest: the board, the counters and the game number.
    void resume(const Position& position);
    // Gets the sound device ready ahead of the first clip; it is not reached while sound is off.
    void prepareSound() { session_.prepareSound(); }
    // Saves both settings and the best scores without closing, as a desktop session asks.
    void saveSettings() { session_.saveAll(); }
    // The window's unload: stops the timers and saves the settings, the first time only.
    void unload();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void connectEvents();
    void createActions();
    void showContextMenuAtFocus();
    void playGameNumber();
    void clearHighScoreAsked();
    void clearBestScoresAsked();

    void screenChanged() override;
    void showCounters(const play::Screen& screen);
    void showSquares(const play::Screen& screen);
    void bestScoresEntered(int rank) override;

    QtTimerService timers_;
    QtAlarm hintAlarm_{[this] { session_.hintExpired(); }};
    play::Session session_;
    TemplatePictures pictures_;
    DesignedControls controls_;
    BoardOverlay* board_ = nullptr;
    Notice* notice_ = nullptr;
    std::map<ShortcutAction, QAction*> actions_;
    int noticesShown_ = 0;
};

} // namespace quadrelle::app
