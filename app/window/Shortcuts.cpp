// SPDX-License-Identifier: MIT
// The shortcut table and the menu entries made from it.
#include "window/Shortcuts.h"

#include <QAction>
#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace quadrelle::app {

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
    {NewGame, Window, "actionNewGame", kNewGameKeys, QT_TRANSLATE_NOOP("Shortcuts", "New game"), false},
    {PlayGameNumber, Window, "actionPlayGameNumber", kPlayGameNumberKeys,
     QT_TRANSLATE_NOOP("Shortcuts", "Play game number…"), false},
    {Sound, Window, "actionSound", kSoundKeys, QT_TRANSLATE_NOOP("Shortcuts", "Sound on/off"), true},
    {ColourSymbols, Window, "actionColourSymbols", kColourSymbolsKeys,
     QT_TRANSLATE_NOOP("Shortcuts", "Colour symbols on/off"), true},
    {Hint, Window, "actionHint", kHintKeys, QT_TRANSLATE_NOOP("Shortcuts", "Hint"), false},
    {BestScores, Window, "actionBestScores", kBestScoresKeys, QT_TRANSLATE_NOOP("Shortcuts", "Best scores"),
     false},
    // No keys: a table or a high score cleared by a slip of the finger cannot be brought back.
    {ClearBestScores, Window, "actionClearBestScores", Keys{},
     QT_TRANSLATE_NOOP("Shortcuts", "Clear the best scores…"), false},
    {ClearHighScore, Window, "actionClearHighScore", Keys{},
     QT_TRANSLATE_NOOP("Shortcuts", "Clear the high score…"), false},
    {HowToPlay, Window, "actionHowToPlay", kHowToPlayKeys, QT_TRANSLATE_NOOP("Shortcuts", "How to play"),
     false},
    {About, Window, "actionAbout", Keys{}, QT_TRANSLATE_NOOP("Shortcuts", "About Quadrelle!"), false},
    {Quit, Window, "actionQuit", kQuitKeys, QT_TRANSLATE_NOOP("Shortcuts", "Quit"), false},
    {MoveCursor, Board, "actionMoveCursor", kMoveCursorKeys,
     QT_TRANSLATE_NOOP("Shortcuts", "Move the cursor over the board"), false},
    {ClickSquare, Board, "actionClickSquare", kClickSquareKeys,
     QT_TRANSLATE_NOOP("Shortcuts", "Click the square: a colour step, or an eraser on a plain square"),
     false},
    {StepUp, Board, "actionStepUp", kStepUpKeys, QT_TRANSLATE_NOOP("Shortcuts", "Step the square up"), false},
    {StepDown, Board, "actionStepDown", kStepDownKeys, QT_TRANSLATE_NOOP("Shortcuts", "Step the square down"),
     false},
    {ColourSearch, Board, "actionColourSearch", kColourSearchKeys,
     QT_TRANSLATE_NOOP("Shortcuts", "Colour search on the square, or an eraser on a plain square"), false},
    {ContextMenu, Window, "actionContextMenu", kContextMenuKeys, QT_TRANSLATE_NOOP("Shortcuts", "This menu"),
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

QList<QKeySequence> keySequencesOf(const Shortcut& shortcut) {
    QList<QKeySequence> sequences;
    for (const char* key : shortcut.keys)
        sequences.append(QKeySequence::fromString(QString::fromLatin1(key), QKeySequence::PortableText));
    return sequences;
}

QString keysTextOf(const Shortcut& shortcut) {
    QStringList texts;
    for (const QKeySequence& sequence : keySequencesOf(shortcut))
        texts.append(sequence.toString(QKeySequence::NativeText));
    return texts.join(QStringLiteral(", "));
}

QString descriptionOf(const Shortcut& shortcut) {
    return QCoreApplication::translate(kShortcutsContext, shortcut.description);
}

QAction* createAction(const Shortcut& shortcut, QObject* parent) {
    auto* action = new QAction(descriptionOf(shortcut), parent);
    action->setObjectName(QString::fromLatin1(shortcut.objectName));
    action->setShortcuts(keySequencesOf(shortcut));
    action->setShortcutContext(shortcut.scope == ShortcutScope::Board ? Qt::WidgetWithChildrenShortcut
                                                                      : Qt::WindowShortcut);
    action->setCheckable(shortcut.checkable);
    return action;
}

} // namespace quadrelle::app
