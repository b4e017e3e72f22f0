// The game window: it builds the controls from the control table, starts the game with the
// stored settings at construction and saves them once at close, turns mouse, button,
// spinner, label and timer events into the game's events, and after each shows the game's
// state (captions, pictures, visibility). No game rule lives here.
#pragma once

#include <QWidget>

#include <array>

#include "ControlLayout.h"
#include "QtTimerService.h"
#include "SettingsStore.h"
#include "SquareWidget.h"
#include "TemplatePictures.h"
#include "game/Game.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace quadrelle::app {

class ClickableLabel;

class Tessarin : public QWidget, private GameEvents {
    Q_OBJECT

public:
    Tessarin(const SettingsStore& settings, SoundOutput& sound, QWidget* parent = nullptr);
    ~Tessarin() override;

    const Game& game() const { return game_; }
    // Goes on from a position, at rest: the board, the counters and the game number.
    void resume(const Position& position);

    // Saves both settings without closing, as a desktop session asks before it ends.
    void saveSettings();
    // The window's unload: stops the timers and saves both settings, the first time only.
    void unload();

protected:
    void closeEvent(QCloseEvent* event) override;

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

    // GameEvents: a game over that raises the high score saves it at once, so a crash or a
    // forced quit later in the run cannot lose it.
    void highScoreRaised(std::int64_t score) override;

    const SettingsStore& settings_;
    SoundOutput& sound_;
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
        QScrollBar* startLevelSpinner = nullptr;
        QLabel* gameOver = nullptr;
    } controls_;

    bool unloaded_ = false;
};

} // namespace quadrelle::app
