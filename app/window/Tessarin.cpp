// SPDX-License-Identifier: MIT
// The window's events handed to the session, and the session's screen shown.
#include "window/Tessarin.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QPushButton>

#include <chrono>

#include "dialogs/AboutBox.h"
#include "dialogs/BestScoresDialog.h"
#include "dialogs/ClearBestScoresPrompt.h"
#include "dialogs/ClearHiscorePrompt.h"
#include "dialogs/GameNumberPrompt.h"
#include "dialogs/HelpWindow.h"
#include "platform/Translations.h"
#include "window/BoardOverlay.h"
#include "window/ClickableLabel.h"
#include "window/ContextMenu.h"
#include "window/ControlLayout.h"
#include "window/Notice.h"
#include "window/SquareWidget.h"
#include "window/StartLevelSpinner.h"

namespace quadrelle::app {

namespace {

void setText(QLabel* label, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (label->text() != shown) label->setText(shown);
}

// The day where the player is, which dates the best scores.
play::CalendarDate todayHere() {
    const QDate today = QDate::currentDate();
    return {std::chrono::year(today.year()), std::chrono::month(static_cast<unsigned>(today.month())),
            std::chrono::day(static_cast<unsigned>(today.day()))};
}

// A new game's number, drawn from the clock once per game, and short enough to note down.
GameNumber gameNumberFromClock() {
    const auto nanoseconds = std::chrono::system_clock::now().time_since_epoch().count();
    return {static_cast<std::uint64_t>(nanoseconds) % 1'000'000'000U};
}

} // namespace

Tessarin::Tessarin(play::SettingsStorage& storage, play::SoundDevice& sound, std::optional<GameNumber> firstGame,
                   QWidget* parent)
    : QWidget(parent), session_({timers_, sound, storage, hintAlarm_, todayHere, *this}, gameLanguage()),
      pictures_(session_.options().colourSymbols) {
    setUpDesignedWindow(*this);
    controls_ = buildDesignedControls(*this);
    board_ = new BoardOverlay([this](int square) { return QString::fromStdString(session_.screen().squareNames[
                                  static_cast<std::size_t>(square)]); }, this);
    // The board comes after the designed controls in the focus chain.
    setTabOrder(controls_.startLevelSpinner, board_);
    notice_ = new Notice(squareRect(0).united(squareRect(play::kSquareCount - 1)), this);
    createActions();
    connectEvents();
    session_.start(firstGame.value_or(gameNumberFromClock()));
}

Tessarin::~Tessarin() {
    timers_.stopAll();
}

void Tessarin::connectEvents() {
    for (int index = 0; index < play::kSquareCount; ++index) {
        SquareWidget* square = controls_.squares[static_cast<std::size_t>(index)];
        connect(square, &SquareWidget::pressed, this,
                [this, index](Button button, Half half) { session_.press(index, button, half); });
        connect(square, &SquareWidget::released, this,
                [this, index](Button button, Half half) { session_.release(index, button, half); });
    }
    timers_.setTickHandler([this](TimerId timer) { session_.tick(timer); });
    connect(controls_.newGame, &QPushButton::clicked, this, [this] { session_.newGame(gameNumberFromClock()); });
    connect(controls_.startLevelSpinner, &StartLevelSpinner::startLevelChanged, this,
            [this](int level) { session_.setStartLevel(level); });
    connect(controls_.clearHiScore, &ClickableLabel::clicked, this, &Tessarin::clearHighScoreAsked);
    connect(board_, &BoardOverlay::keyPressed, this, [this](play::BoardKey key) { session_.pressBoardKey(key); });
}

// Beyond the design, reached only by keys and the context menu, so the designed window stays
// as it is for the mouse player.
void Tessarin::createActions() {
    using enum ShortcutAction;
    const std::pair<ShortcutAction, std::function<void()>> handlers[] = {
        {NewGame, [this] { session_.newGame(gameNumberFromClock()); }},
        {PlayGameNumber, [this] { playGameNumber(); }},
        {Sound, [this] { session_.setSoundOn(actions_.at(Sound)->isChecked()); }},
        {ColourSymbols, [this] { session_.setColourSymbols(actions_.at(ColourSymbols)->isChecked()); }},
        {Hint, [this] { session_.requestHint(); }},
        {BestScores, [this] { showBestScores(session_.latestBestScores(), std::nullopt, this); }},
        {ClearBestScores, [this] { clearBestScoresAsked(); }},
        {ClearHighScore, [this] { clearHighScoreAsked(); }},
        {HowToPlay, [this] { showHelpWindow(this); }},
        {About, [this] { showAbout(this, session_.screen().gameNumber.value); }},
        {Quit, [this] { close(); }},
        {ContextMenu, [this] { showContextMenuAtFocus(); }},
    };
    for (const auto& [which, handler] : handlers) {
        QAction* action = createAction(shortcutFor(which), this);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        actions_[which] = action;
    }
    actions_.at(Sound)->setChecked(session_.options().sound);
    actions_.at(ColourSymbols)->setChecked(session_.options().colourSymbols);
}

void Tessarin::contextMenuEvent(QContextMenuEvent* event) {
    popUpContextMenu(this, actions_, session_.screen().gameNumber, event->globalPos());
}

void Tessarin::showContextMenuAtFocus() {
    QWidget* anchor = focusWidget() ? focusWidget() : this;
    QPoint place = anchor->rect().center();
    if (anchor == board_) place = squareRect(board_->cursor()).center() - board_->geometry().topLeft();
    popUpContextMenu(this, actions_, session_.screen().gameNumber, anchor->mapToGlobal(place));
}

void Tessarin::playGameNumber() {
    if (const auto number = askForGameNumber(this, session_.screen().gameNumber)) session_.newGame(*number);
}

void Tessarin::clearHighScoreAsked() {
    // The designed question asks about the high score alone, which is saved at close.
    if (askToClearHiscore(this)) session_.clearHighScore();
}

void Tessarin::clearBestScoresAsked() {
    if (!askToClearBestScores(this)) return;
    closeBestScores(this);
    session_.clearBestScores();
}

// Only controls whose text, picture or visibility changed are touched.
void Tessarin::screenChanged() {
    const play::Screen& screen = session_.screen();
    showCounters(screen);
    showSquares(screen);
    board_->setCursor(screen.cursor);
    board_->setHint(screen.hint);
    board_->refreshName();
    if (screen.notice.number != noticesShown_) {
        noticesShown_ = screen.notice.number;
        notice_->showNotice(QString::fromStdString(screen.notice.text));
    }
}

void Tessarin::showCounters(const play::Screen& screen) {
    setText(controls_.score, screen.captions.score);
    setText(controls_.left, screen.captions.reactionsLeft);
    setText(controls_.comboCount, screen.captions.comboCount);
    setText(controls_.removes, screen.captions.removes);
    setText(controls_.level, screen.captions.level);
    setText(controls_.startLevel, screen.captions.startLevel);
    setText(controls_.hiScore, screen.captions.highScore);
    controls_.comboCount->setVisible(screen.comboShown);
    controls_.comboText->setVisible(screen.comboShown);
    controls_.gameOver->setVisible(screen.gameOver);
    if (controls_.startLevelSpinner->startLevel() != screen.startLevel) {
        const QSignalBlocker quiet(controls_.startLevelSpinner);
        controls_.startLevelSpinner->setStartLevel(screen.startLevel);
    }
}

void Tessarin::showSquares(const play::Screen& screen) {
    if (pictures_.withSymbols() != screen.colourSymbols) pictures_ = TemplatePictures(screen.colourSymbols);
    for (std::size_t index = 0; index < screen.pictures.size(); ++index) {
        SquareWidget* square = controls_.squares[index];
        square->showPicture(screen.pictures[index], pictures_[screen.pictures[index]]);
        const QString name = QString::fromStdString(screen.squareNames[index]);
        if (square->accessibleName() != name) square->setAccessibleName(name);
    }
}

void Tessarin::bestScoresEntered(int rank) {
    showBestScores(session_.bestScores(), rank, this);
}

void Tessarin::resume(const Position& position) {
    timers_.stopAll();
    session_.resume(position);
}

void Tessarin::unload() {
    timers_.stopAll();
    session_.unload();
}

void Tessarin::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

} // namespace quadrelle::app
