// SPDX-License-Identifier: MIT
// What the window offers beyond its design, reached only by keys and the context menu, so the
// designed window stays as it is for the mouse player: keyboard play on the board, hints,
// colour symbols, the sound switch, game numbers, the best scores, clearing them or the high
// score, help and About.
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>

#include "dialogs/AboutBox.h"
#include "window/AccessibleNames.h"
#include "dialogs/BestScoresDialog.h"
#include "window/BoardOverlay.h"
#include "dialogs/ClearBestScoresPrompt.h"
#include "dialogs/ClearHiscorePrompt.h"
#include "dialogs/GameNumberPrompt.h"
#include "dialogs/HelpWindow.h"
#include "window/AccessibleNames.h"
#include "window/Notice.h"
#include "window/Tessarin.h"

namespace quadrelle::app {

void Tessarin::buildFeatures() {
    board_ = new BoardOverlay([this](int square) { return accessibleNameOf(game_.board()[square]); }, this);
    connect(board_, &BoardOverlay::keyPressed, this, &Tessarin::pressBoardKey);
    // The board comes after the designed controls in the focus chain.
    setTabOrder(controls_.startLevelSpinner, board_);
    createActions();
    actions_.at(ShortcutAction::Sound)->setChecked(settings_.options().sound);
    actions_.at(ShortcutAction::ColourSymbols)->setChecked(settings_.options().colourSymbols);
}

void Tessarin::createActions() {
    const std::pair<ShortcutAction, void (Tessarin::*)()> handlers[] = {
        {ShortcutAction::NewGame, &Tessarin::startNewGame},
        {ShortcutAction::PlayGameNumber, &Tessarin::playGameNumber},
        {ShortcutAction::Sound, &Tessarin::applySoundSwitch},
        {ShortcutAction::ColourSymbols, &Tessarin::applyColourSymbols},
        {ShortcutAction::Hint, &Tessarin::requestHint},
        {ShortcutAction::BestScores, &Tessarin::showBestScoresTable},
        {ShortcutAction::ClearBestScores, &Tessarin::clearBestScoresAsked},
        {ShortcutAction::ClearHighScore, &Tessarin::clearHighScoreAsked},
        {ShortcutAction::HowToPlay, &Tessarin::showHelp},
        {ShortcutAction::About, &Tessarin::showAboutBox},
        {ShortcutAction::Quit, &Tessarin::requestQuit},
        {ShortcutAction::ContextMenu, &Tessarin::showContextMenuAtFocus},
    };
    for (const auto& [which, handler] : handlers) {
        QAction* action = createAction(shortcutFor(which), this);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        actions_[which] = action;
    }
}

QMenu* Tessarin::buildContextMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* number = menu->addAction(tr("Game number %1").arg(game_.gameNumber().value));
    number->setObjectName(QStringLiteral("actionGameNumber"));
    number->setEnabled(false);
    menu->addSeparator();
    const auto add = [&](std::initializer_list<ShortcutAction> which) {
        for (ShortcutAction action : which) menu->addAction(actions_.at(action));
        menu->addSeparator();
    };
    using enum ShortcutAction;
    add({NewGame, PlayGameNumber});
    add({Hint, Sound, ColourSymbols});
    add({BestScores, ClearBestScores, ClearHighScore});
    add({HowToPlay, About});
    // The keys that are no entry of this menu, listed so that the menu names every key.
    QMenu* otherKeys = menu->addMenu(tr("Other keys"));
    otherKeys->setObjectName(QStringLiteral("OtherKeysMenu"));
    for (const Shortcut& shortcut : shortcuts()) {
        if (shortcut.scope != ShortcutScope::Board && shortcut.action != ContextMenu) continue;
        QAction* entry =
            otherKeys->addAction(descriptionOf(shortcut) + QLatin1Char('\t') + keysTextOf(shortcut));
        entry->setEnabled(false);
    }
    menu->addSeparator();
    menu->addAction(actions_.at(Quit));
    return menu;
}

void Tessarin::contextMenuEvent(QContextMenuEvent* event) {
    buildContextMenu()->popup(event->globalPos());
}

void Tessarin::showContextMenuAtFocus() {
    QWidget* anchor = focusWidget() ? focusWidget() : this;
    QPoint place = anchor->rect().center();
    if (anchor == board_) place = squareRect(board_->cursor()).center() - board_->geometry().topLeft();
    buildContextMenu()->popup(anchor->mapToGlobal(place));
}

void Tessarin::pressBoardKey(play::BoardKey key) {
    cursor_.press(key, game_);
    board_->setCursor(cursor_.square());
    showState();
}

void Tessarin::requestHint() {
    // A hint reads a board at rest; while a chain runs it waits for the board to settle.
    hintShow_.request();
    showPendingHint();
}

void Tessarin::showPendingHint() {
    if (!hintShow_.update(game_)) return;
    board_->setHint(hintShow_.hint());
    // Said in words too, so that a screen reader speaks it.
    notice_->showNotice(hintText(hintShow_.hint()));
}

void Tessarin::hideHint() {
    hintShow_.expire();
    board_->setHint(std::nullopt);
}

void Tessarin::applyColourSymbols() {
    saveOptions();
    pictures_ = TemplatePictures(settings_.options().colourSymbols);
    showState();
}

void Tessarin::applySoundSwitch() {
    saveOptions();
    sound_.setOn(settings_.options().sound);
    notice_->showNotice(settings_.options().sound ? tr("Sound on") : tr("Sound off"));
}

void Tessarin::playGameNumber() {
    if (const auto number = askForGameNumber(this, game_.gameNumber())) playGame(*number);
}

void Tessarin::showHelp() {
    showHelpWindow(this);
}

void Tessarin::showAboutBox() {
    showAbout(this, game_.gameNumber().value);
}

void Tessarin::showBestScoresTable() {
    showBestScores(settings_.latestBestScores(), std::nullopt, this);
}

void Tessarin::requestQuit() {
    close();
}

void Tessarin::clearHighScoreAsked() {
    // The designed question asks about the high score alone, which is saved at close.
    if (askToClearHiscore(this)) game_.clearHighScore();
    showState();
}

void Tessarin::clearBestScoresAsked() {
    if (!askToClearBestScores(this)) return;
    closeBestScores(this);
    settings_.clearBestScores();
}

void Tessarin::newGameStarted(GameNumber) {
    settings_.newGameStarted();
}

void Tessarin::gameOver(std::int64_t score) {
    if (unloaded_) return;
    const play::FinishedGame game{score, static_cast<int>(game_.counters().level), game_.gameNumber()};
    if (const auto rank = settings_.gameOver(game, game_.settingsToSave().highScore))
        showBestScores(settings_.bestScores(), rank, this);
}

} // namespace quadrelle::app
