// SPDX-License-Identifier: MIT
// What the window offers beyond its design, reached only by keys and the context menu, so the
// designed window stays as it is for the mouse player: keyboard play on the board, hints,
// colour symbols, the sound switch, game numbers, the best scores, clearing them or the high
// score, help and About.
#include <QAction>
#include <QContextMenuEvent>
#include <QDate>
#include <QMenu>
#include <QScrollBar>

#include "AboutBox.h"
#include "AccessibleNames.h"
#include "BestScoresDialog.h"
#include "BoardOverlay.h"
#include "ClearBestScoresPrompt.h"
#include "ClearHiscorePrompt.h"
#include "GameNumberPrompt.h"
#include "HelpWindow.h"
#include "AccessibleNames.h"
#include "Notice.h"
#include "Tessarin.h"

namespace quadrelle::app {

void Tessarin::buildFeatures() {
    board_ = new BoardOverlay([this](int square) { return accessibleNameOf(game_.board()[square]); }, this);
    connect(board_, &BoardOverlay::keyPressed, this, &Tessarin::pressBoardKey);
    // The board comes after the designed controls in the focus chain.
    setTabOrder(controls_.startLevelSpinner, board_);
    createActions();
    actions_.at(ShortcutAction::Sound)->setChecked(options_.sound);
    actions_.at(ShortcutAction::ColourSymbols)->setChecked(options_.colourSymbols);
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
    options_.colourSymbols = actions_.at(ShortcutAction::ColourSymbols)->isChecked();
    pictures_ = TemplatePictures(options_.colourSymbols);
    saveOptions();
    showState();
}

void Tessarin::applySoundSwitch() {
    options_.sound = actions_.at(ShortcutAction::Sound)->isChecked();
    sound_.setOn(options_.sound);
    saveOptions();
    notice_->showNotice(options_.sound ? tr("Sound on") : tr("Sound off"));
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
    // Another game may have entered or cleared scores since this one last looked.
    bestScores_.mergeWith(settings_.readBestScores());
    showBestScores(bestScores_, std::nullopt, this);
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
    bestScores_.clear();
    enteredThisGame_.reset();
    closeBestScores(this);
    // Saved at once: a game still running elsewhere merges with the cleared table, not with
    // the table it read at its start.
    settings_.writeBestScores(bestScores_);
}

void Tessarin::newGameStarted(GameNumber) {
    enteredThisGame_.reset();
}

void Tessarin::gameOver(std::int64_t score) {
    if (unloaded_) return;
    const BestScoreEntry entry{score, static_cast<int>(game_.counters().level), QDate::currentDate(),
                               game_.gameNumber().value};
    bestScores_.mergeWith(settings_.readBestScores());
    if (enteredThisGame_) bestScores_.remove(*enteredThisGame_);
    enteredThisGame_.reset();
    if (!bestScores_.insert(entry)) return;
    // One save for both, and the rank where the entry stands among the stored scores too.
    settings_.writeBestScores(bestScores_, unsavedHighScore());
    const auto rank = bestScores_.rankOf(entry);
    if (!rank) return;
    enteredThisGame_ = entry;
    showBestScores(bestScores_, rank, this);
}

} // namespace quadrelle::app
