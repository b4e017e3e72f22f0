// SPDX-License-Identifier: MIT
#include "session/ShortcutTable.h"

#include <algorithm>
#include <array>

namespace quadrelle::play {

namespace {

using Keys = std::span<const char* const>;

constexpr std::array<const char*, 1> kNewGameKeys{"F2"};
constexpr std::array<const char*, 1> kPlayGameNumberKeys{"Ctrl+G"};
constexpr std::array<const char*, 1> kSoundKeys{"M"};
constexpr std::array<const char*, 1> kColourSymbolsKeys{"C"};
constexpr std::array<const char*, 1> kHintKeys{"H"};
constexpr std::array<const char*, 1> kBestScoresKeys{"B"};
constexpr std::array<const char*, 1> kHowToPlayKeys{"F1"};
constexpr std::array<const char*, 1> kQuitKeys{"Ctrl+Q"};
constexpr std::array<const char*, 4> kMoveCursorKeys{"Up", "Down", "Left", "Right"};
// Return is the main Enter key; Enter is the one on the keypad.
constexpr std::array<const char*, 3> kClickSquareKeys{"Space", "Return", "Enter"};
constexpr std::array<const char*, 1> kStepUpKeys{"PgUp"};
constexpr std::array<const char*, 1> kStepDownKeys{"PgDown"};
constexpr std::array<const char*, 1> kColourSearchKeys{"F"};
constexpr std::array<const char*, 2> kContextMenuKeys{"Menu", "Shift+F10"};

using enum ShortcutAction;
using enum ShortcutScope;

constexpr std::array<Shortcut, 17> kShortcuts{{
    {NewGame, Window, "actionNewGame", kNewGameKeys, PLAY_TEXT("Shortcuts", "New game"), false},
    {PlayGameNumber, Window, "actionPlayGameNumber", kPlayGameNumberKeys,
     PLAY_TEXT("Shortcuts", "Play game number…"), false},
    {Sound, Window, "actionSound", kSoundKeys, PLAY_TEXT("Shortcuts", "Sound on/off"), true},
    {ColourSymbols, Window, "actionColourSymbols", kColourSymbolsKeys,
     PLAY_TEXT("Shortcuts", "Colour symbols on/off"), true},
    {Hint, Window, "actionHint", kHintKeys, PLAY_TEXT("Shortcuts", "Hint"), false},
    {BestScores, Window, "actionBestScores", kBestScoresKeys, PLAY_TEXT("Shortcuts", "Best scores"),
     false},
    // No keys: a table or a high score cleared by a slip of the finger cannot be brought back.
    {ClearBestScores, Window, "actionClearBestScores", Keys{},
     PLAY_TEXT("Shortcuts", "Clear the best scores…"), false},
    {ClearHighScore, Window, "actionClearHighScore", Keys{},
     PLAY_TEXT("Shortcuts", "Clear the high score…"), false},
    {HowToPlay, Window, "actionHowToPlay", kHowToPlayKeys, PLAY_TEXT("Shortcuts", "How to play"),
     false},
    {About, Window, "actionAbout", Keys{}, PLAY_TEXT("Shortcuts", "About Quadrelle!"), false},
    {Quit, Window, "actionQuit", kQuitKeys, PLAY_TEXT("Shortcuts", "Quit"), false},
    {MoveCursor, Board, "actionMoveCursor", kMoveCursorKeys,
     PLAY_TEXT("Shortcuts", "Move the cursor over the board"), false},
    {ClickSquare, Board, "actionClickSquare", kClickSquareKeys,
     PLAY_TEXT("Shortcuts", "Click the square: a colour step, or an eraser on a plain square"),
     false},
    {StepUp, Board, "actionStepUp", kStepUpKeys, PLAY_TEXT("Shortcuts", "Step the square up"), false},
    {StepDown, Board, "actionStepDown", kStepDownKeys, PLAY_TEXT("Shortcuts", "Step the square down"),
     false},
    {ColourSearch, Board, "actionColourSearch", kColourSearchKeys,
     PLAY_TEXT("Shortcuts", "Colour search on the square, or an eraser on a plain square"), false},
    {ContextMenu, Window, "actionContextMenu", kContextMenuKeys, PLAY_TEXT("Shortcuts", "This menu"),
     false},
}};

} // namespace

std::span<const Shortcut> shortcuts() {
    return kShortcuts;
}

const Shortcut& shortcutFor(ShortcutAction action) {
    // The table holds every action exactly once; the test of the table checks that.
    return *std::find_if(kShortcuts.begin(), kShortcuts.end(),
                         [action](const Shortcut& shortcut) { return shortcut.action == action; });
}

} // namespace quadrelle::play
