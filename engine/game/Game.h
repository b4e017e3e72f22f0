// The whole rule set of one game window: the board, the counters, and every handler and
// shared operation, named as the window's events and procedures are. Time arrives as timer
// ticks through onTimer, randomness from the injected source, and sound leaves through the
// sound output. Every handler runs to completion: nothing else runs in the middle of a step.
#pragma once

#include "board/Board.h"
#include "board/Random.h"
#include "game/Counters.h"
#include "game/SoundOutput.h"
#include "game/Timers.h"

namespace quadrelle {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;
inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;
// Squares are 900 twips high; a press above half-way steps a two-way square up.
inline constexpr int kSquareHeightTwips = 900;
inline constexpr int kHalfSquareTwips = 450;

class Game {
public:
    Game(TimerService& timers, RandomSource& random, SoundOutput& sound);

    const Board& board() const { return board_; }
    const Counters& counters() const { return counters_; }
    // Direct access for tests that set up a position.
    Board& board() { return board_; }
    Counters& counters() { return counters_; }

    // Window and control events.
    void Form_Load(std::string_view hiScoreSetting, std::string_view startLevelSetting);
    SavedSettings Form_Unload() const;
    void Command1_Click();
    void HScrollLevel_Change(int value);
    void LabelClr_Click(bool answeredYes);
    void sq_MouseDown(int index, int button, int shift, float y);
    void sq_MouseUp(int index, int button, int shift, float y);
    void onTimer(TimerId timer);

    // Timer handlers.
    void TimerClearSq_Timer();
    void TimerMoveDown_Timer();
    void TimerFillUp_Timer();
    void TimerHideCombo_Timer();
    void WaitAfterClickTimer_Timer();
    void WaitAfterInitTimer_Timer();
    void WaitAfterReactionsTimer_Timer();

    // Shared operations.
    void FillBoard(bool refillOnly);
    int ScanReactions();
    void MarkAsRemovedHor(int triggedIndex);
    void MarkAsRemovedVer(int triggedIndex);
    void MarkAsRemoved2(int triggedIndex);
    void RemoveAllMarked(bool sngl);
    void HideCombo();
    void PlaySoundRes(int n);

private:
    void markRun(int first, int step);
    void applyFullLineRule(int first, int step);
    void gameOverCheck();
    void settleAfterFill();
    void settleCheck();
    void colourSearch(int index);
    void singleRemoval(int index);
    void stepColour(int index, float releaseY);

    Board board_;
    Counters counters_;
    TimerService& timers_;
    RandomSource& random_;
    SoundOutput& sound_;
};

} // namespace quadrelle
