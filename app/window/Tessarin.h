// SPDX-License-Identifier: MIT
// The game window: it builds the controls from the control table, starts the game with the
// stored settings at construction and saves them once at close, turns mouse, button,
// spinner, label and timer events into the game's events, and after each shows the game's
// state (captions, pictures, visibility). No game rule lives here.
#pragma once

#include <QWidget>

#include <array>
#include <map>
#include <optional>

#include "window/ControlLayout.h"
#include "window/QtAlarm.h"
#include "window/QtTimerService.h"
#include "window/Shortcuts.h"
#include "window/SquareWidget.h"
#include "window/StartLevelSpinner.h"
#include "window/TemplatePictures.h"
#include "game/Game.h"
#include "session/BoardKeys.h"
#include "session/HintShow.h"
#include "settings/SettingsKeeper.h"
#include "sound/SoundSwitch.h"

class QLabel;
class QMenu;
class QPushButton;

namespace quadrelle::app {

class BoardOverlay;
class ClickableLabel;
class Notice;

class Tessarin : public QWidget, private GameEvents {
    Q_OBJECT

public:
    // Without a first game number, the first game's number is drawn from the clock. The sound
    // device is let go of when the player turns the sound off.
    Tessarin(play::SettingsStorage& storage, play::SoundDevice& sound,
             std::optional<GameNumber> firstGame = std::nullopt, QWidget* parent = nullptr);
    ~Tessarin() override;

    const Game& game() const { return game_; }
    // Goes on from a position, at rest: the board, the counters and the game number.
    void resume(const Position& position);

    bool isSoundOn() const { return sound_.isOn(); }
    // Gets the sound device ready ahead of the first clip; it is not reached while sound is off.
    void prepareSound() { sound_.prepare(); }

    // Deals the game with this number, as "New Game" does with a number of its own.
    void playGame(GameNumber number);

    // Saves both settings without closing, as a desktop session asks before it ends.
    void saveSettings();
    // The window's unload: stops the timers and saves both settings, the first time only.
    void unload();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildWindow();
    void buildBoard();
    void buildControls();
    void createControl(const ControlDesign& design);
    void createLabel(const ControlDesign& design);
    void setUpButtonAndSpinner();
    void connectEvents();
    void showState();
    Game::Ports ports();

    // Beyond the design: keys, the context menu and the windows they open.
    void buildFeatures();
    void createActions();
    QMenu* buildContextMenu();
    void showContextMenuAtFocus();
    void pressBoardKey(play::BoardKey key);
    void requestHint();
    void showPendingHint();
    void hideHint();
    void applyColourSymbols();
    void applySoundSwitch();
    void startNewGame();
    void playGameNumber();
    void showHelp();
    void showAboutBox();
    void showBestScoresTable();
    void requestQuit();
    void clearHighScoreAsked();
    void clearBestScoresAsked();
    // The options as the menu's switches stand.
    void saveOptions();

    // GameEvents: a game over that raises the high score saves it at once: with the best
    // scores when the game enters them (gameOver follows in the same step), else on its own
    // right after.
    void highScoreRaised(std::int64_t score) override;
    void saveRaisedHighScore();
    // GameEvents: a game that enters the best scores is kept at once, and the table shown.
    void gameOver(std::int64_t score) override;
    void newGameStarted(GameNumber number) override;

    // Read once, before anything is built from it.
    play::SettingsKeeper settings_;
    play::SoundSwitch sound_;
    QtTimerService timers_;
    SeededRandom random_;
    Game game_;
    TemplatePictures pictures_;
    std::array<SquareWidget*, kSquareCount> squares_{};

    struct Controls {
        QLabel* comboText = nullptr;
        QLabel* comboCount = nullptr;
        QLabel* score = nullptr;
        ClickableLabel* clearHiScore = nullptr;
        QLabel* hiScore = nullptr;
        QLabel* level = nullptr;
        QLabel* left = nullptr;
        QLabel* removes = nullptr;
        QPushButton* newGame = nullptr;
        QLabel* startLevel = nullptr;
        StartLevelSpinner* startLevelSpinner = nullptr;
        QLabel* gameOver = nullptr;
    } controls_;

    BoardOverlay* board_ = nullptr;
    Notice* notice_ = nullptr;
    std::map<ShortcutAction, QAction*> actions_;
    play::BoardCursor cursor_;
    QtAlarm hintAlarm_{[this] { hideHint(); }};
    play::HintShow hintShow_{hintAlarm_};

    bool unloaded_ = false;
};

} // namespace quadrelle::app
