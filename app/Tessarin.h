// The game window: it builds the controls from the control table, runs the engine's load at
// construction and its unload once at close, forwards mouse, button, scroll-bar, label and
// timer events to the engine, and after each event shows the engine's state (captions,
// pictures, visibility). No game rule lives here.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

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

class Tessarin : public QWidget {
    Q_OBJECT

public:
    Tessarin(const SettingsStore& settings, SoundOutput& sound, QWidget* parent = nullptr);
    ~Tessarin() override;

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    QtTimerService& timers() { return timers_; }
    const TemplatePictures& pictures() const { return pictures_; }
    SquareWidget* square(int index) const { return squares_[static_cast<std::size_t>(index)]; }

    // Shows the engine's state; only controls whose text, picture or visibility changed
    // are touched. Runs after every engine event, and after a test sets up a position.
    void showState();
    // Saves both settings without closing, as a desktop session asks before it ends.
    void saveSettings();
    // The window's unload: stops the timers and saves both settings, the first time only.
    void unload();
    bool isUnloaded() const { return unloaded_; }

signals:
    // Each emitted after the engine has handled the event, with the arguments it got.
    void squarePressed(int index, int button, int shift, float y);
    void squareReleased(int index, int button, int shift, float y);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildBoard();
    void buildControls();
    QWidget* createControl(const ControlDesign& design);
    void connectEvents();
    void afterEngineEvent();
    void saveRaisedHighScore();

    const SettingsStore& settings_;
    QtTimerService timers_;
    ClockSeededRandom random_;
    Game game_;
    TemplatePictures pictures_;
    std::array<SquareWidget*, kSquareCount> squares_{};

    struct Controls {
        QLabel* comboText = nullptr;
        QLabel* comboCount = nullptr;
        QLabel* score = nullptr;
        QLabel* clearHiScore = nullptr;
        QLabel* hiScore = nullptr;
        QLabel* level = nullptr;
        QLabel* left = nullptr;
        QLabel* removes = nullptr;
        QPushButton* newGame = nullptr;
        QLabel* startLevel = nullptr;
        QScrollBar* startLevelSpinner = nullptr;
        QLabel* gameOver = nullptr;
        QLabel* clickedY = nullptr;
        QLabel* reactions = nullptr;
        QLabel* newGameFlag = nullptr;
    } controls_;

    std::int64_t knownHighScore_ = 0;
    bool unloaded_ = false;
};

} // namespace quadrelle::app
