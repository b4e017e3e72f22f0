// SPDX-License-Identifier: MIT
// Building the window and wiring its events to the game.
#include "window/Tessarin.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QIcon>
#include <QLabel>

#include <algorithm>
#include <chrono>
#include <limits>

#include "window/AccessibleInterfaces.h"
#include "window/AccessibleNames.h"
#include "window/BoardOverlay.h"
#include "window/ClickableLabel.h"
#include "window/ComboBanner.h"
#include "window/FitText.h"
#include "window/NewGameButton.h"
#include "window/Notice.h"
#include "platform/Resources.h"
#include "screen/Captions.h"

namespace quadrelle::app {

namespace {

QString textOf(const std::string& text) {
    return QString::fromStdString(text);
}

void setText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
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

void applyLook(QWidget* widget, const ControlDesign& design) {
    if (design.font != FontSize::None) {
        QFont font(QString::fromLatin1(kFontFamily));
        font.setStyleHint(QFont::TypeWriter);
        font.setPixelSize(pixelSizeOf(design.font));
        font.setBold(design.bold);
        widget->setFont(font);
    }
    if (design.back != ColourRole::PlatformDefault) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, qtColourOf(design.back));
        palette.setColor(QPalette::WindowText, qtColourOf(design.fore));
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
}

QString captionOf(const ControlDesign& design) {
    return QCoreApplication::translate(kCaptionContext, design.caption);
}

// A translated caption may be longer than the designed one; the English keeps its font.
void fitCaption(QWidget* control, const ControlDesign& design, QSize box) {
    const QString caption = captionOf(design);
    if (caption != QString::fromUtf8(design.caption))
        control->setFont(fittedFont(control->font(), caption, box, design.wordWrap));
}

template <typename T = QWidget> T* childNamed(const QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// Captions of one group take the size of the one that had to shrink most.
void shareCaptionSizes(const QWidget& window) {
    for (const CaptionGroup group : captionGroups()) {
        int pixels = std::numeric_limits<int>::max();
        for (const char* name : group)
            pixels = std::min(pixels, childNamed(window, name)->font().pixelSize());
        for (const char* name : group) {
            QWidget* caption = childNamed(window, name);
            QFont font = caption->font();
            font.setPixelSize(pixels);
            caption->setFont(font);
        }
    }
}

// Each counter with the caption that names it, which a screen reader gives as its label.
constexpr std::pair<const char*, const char*> kCounterCaptions[] = {
    {"LabelScore", "Label3"}, {"LabelHiScore", "Hiscore"},       {"LabelLevel", "Label2"},
    {"LabelLeft", "Label6"},  {"LabelRemoves", "LabelRemoves1"}, {"LevelTxt", "Label1"},
};

void labelCounters(const QWidget& window) {
    // Qt reads a label's buddy as the object it labels; no caption has a mnemonic for the
    // buddy to take a key from.
    for (const auto& [counter, caption] : kCounterCaptions)
        childNamed<QLabel>(window, caption)->setBuddy(childNamed(window, counter));
}

void placeControl(QWidget* widget, const ControlDesign& design) {
    widget->setObjectName(QString::fromLatin1(design.name));
    widget->setGeometry(qtPixelsOf(design.place));
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setVisible(design.visible);
    applyLook(widget, design);
}

QIcon loadWindowIcon() {
    registerResources();
    QIcon icon;
    // Every size the resources hold; each file names its own.
    const QDir icons(QStringLiteral(":/icon"));
    for (const QFileInfo& file : icons.entryInfoList({QStringLiteral("quadrelle-*.png")}, QDir::Files))
        icon.addFile(file.filePath());
    return icon;
}

} // namespace

Tessarin::Tessarin(play::SettingsStorage& storage, play::SoundDevice& sound, std::optional<GameNumber> firstGame,
                   QWidget* parent)
    : QWidget(parent), settings_(storage, todayHere), sound_(sound), game_(ports()),
      pictures_(settings_.options().colourSymbols) {
    sound_.setOn(settings_.options().sound);
    buildWindow();
    buildBoard();
    buildControls();
    buildFeatures();
    connectEvents();
    game_.start(settings_.startSettings(), firstGame.value_or(gameNumberFromClock()));
    showState();
}

Tessarin::~Tessarin() {
    timers_.stopAll();
}

Game::Ports Tessarin::ports() {
    return {timers_, random_, sound_, *this};
}

void Tessarin::buildWindow() {
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Tessarin"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    // A close button only: no minimise or maximise button, and no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setWindowIcon(loadWindowIcon());
}

void Tessarin::buildBoard() {
    for (int index = 0; index < kSquareCount; ++index) {
        auto* square = new SquareWidget(index, this);
        squares_[static_cast<std::size_t>(index)] = square;
        square->setAccessibleDescription(accessiblePlaceOf(index));
        connect(square, &SquareWidget::pressed, this, [this, index](Button button, Half half) {
            game_.press(index, button, half);
            showState();
        });
        connect(square, &SquareWidget::released, this, [this, index](Button button, Half half) {
            game_.release(index, button, half);
            showState();
        });
    }
}

void Tessarin::createLabel(const ControlDesign& design) {
    const QString caption = captionOf(design);
    const std::string_view name = design.name;
    QLabel* label = nullptr;
    if (name == "LabelClr")
        label = controls_.clearHiScore = new ClickableLabel(caption, this);
    else
        label = new QLabel(caption, this);
    // Only "[x]" reacts to the mouse; the others, the "Game Over" banner over the board among
    // them, let clicks through to the squares below, since game over does not lock the board.
    label->setAttribute(Qt::WA_TransparentForMouseEvents, label != controls_.clearHiScore);
    label->setAlignment(alignmentOf(design.alignment));
    label->setWordWrap(design.wordWrap);
    placeControl(label, design);
    fitCaption(label, design, label->size());

    const std::pair<std::string_view, QLabel * Controls::*> shown[] = {
        {"LabelComboT", &Controls::comboText},  {"LabelCombo", &Controls::comboCount},
        {"LabelScore", &Controls::score},       {"LabelHiScore", &Controls::hiScore},
        {"LabelLevel", &Controls::level},       {"LabelLeft", &Controls::left},
        {"LabelRemoves", &Controls::removes},   {"LevelTxt", &Controls::startLevel},
        {"LabelGameOver", &Controls::gameOver},
    };
    for (const auto& [shownName, slot] : shown)
        if (name == shownName) controls_.*slot = label;
}

void Tessarin::createControl(const ControlDesign& design) {
    switch (design.kind) {
    case ControlKind::Label: return createLabel(design);
    case ControlKind::Button: {
        auto* button = new NewGameButton(captionOf(design), this);
        controls_.newGame = button;
        placeControl(button, design);
        return fitCaption(button, design, button->captionRect().size());
    }
    case ControlKind::ScrollBar:
        controls_.startLevelSpinner = new StartLevelSpinner(this);
        return placeControl(controls_.startLevelSpinner, design);
    }
}

void Tessarin::buildControls() {
    for (const ControlDesign& design : controlTable()) createControl(design);
    layOutComboBanner(*controls_.comboText, *controls_.comboCount);
    // The banner lies across the board, which was made first, so it is drawn on top already;
    // raising it says so.
    controls_.gameOver->raise();
    shareCaptionSizes(*this);
    labelCounters(*this);
    setUpButtonAndSpinner();
    notice_ = new Notice(squareRect(0).united(squareRect(kSquareCount - 1)), this);
}

void Tessarin::setUpButtonAndSpinner() {
    QPushButton* newGame = controls_.newGame;
    newGame->setFocusPolicy(Qt::StrongFocus);
    // Outside a dialog a push button ignores Enter unless it is an auto-default button.
    newGame->setAutoDefault(true);

    StartLevelSpinner* spinner = controls_.startLevelSpinner;
    spinner->setFocusPolicy(Qt::StrongFocus);
    // Its own entry, so a caption broken for its narrow label is still spoken as one word.
    spinner->setAccessibleName(QCoreApplication::translate("Tessarin", "Start level", "spinner"));

    setTabOrder(newGame, spinner);
    newGame->setFocus();
}

void Tessarin::connectEvents() {
    timers_.setTickHandler([this](TimerId timer) {
        game_.tick(timer);
        showState();
    });
    connect(controls_.newGame, &QPushButton::clicked, this, &Tessarin::startNewGame);
    connect(controls_.startLevelSpinner, &StartLevelSpinner::startLevelChanged, this, [this](int level) {
        game_.setStartLevel(level);
        showState();
    });
    connect(controls_.clearHiScore, &ClickableLabel::clicked, this, &Tessarin::clearHighScoreAsked);
}

void Tessarin::startNewGame() {
    playGame(gameNumberFromClock());
}

void Tessarin::playGame(GameNumber number) {
    game_.newGame(number);
    showState();
}

void Tessarin::resume(const Position& position) {
    timers_.stopAll();
    game_.resumeFrom(position);
    showState();
}

// Only controls whose text, picture or visibility changed are touched.
void Tessarin::showState() {
    const Counters& counters = game_.counters();
    const play::Captions captions = play::captionsOf(counters);
    setText(controls_.score, textOf(captions.score));
    setText(controls_.left, textOf(captions.reactionsLeft));
    setText(controls_.comboCount, textOf(captions.comboCount));
    setText(controls_.removes, textOf(captions.removes));
    setText(controls_.level, textOf(captions.level));
    setText(controls_.startLevel, textOf(captions.startLevel));
    setText(controls_.hiScore, textOf(captions.highScore));
    controls_.comboCount->setVisible(counters.comboShown);
    controls_.comboText->setVisible(counters.comboShown);
    controls_.gameOver->setVisible(counters.gameOver);
    if (controls_.startLevelSpinner->startLevel() != counters.startLevel) {
        const QSignalBlocker quiet(controls_.startLevelSpinner);
        controls_.startLevelSpinner->setStartLevel(counters.startLevel);
    }

    const Board& board = game_.board();
    for (int index = 0; index < kSquareCount; ++index) {
        SquareWidget* square = squares_[static_cast<std::size_t>(index)];
        const Picture picture = board[index].picture;
        square->showPicture(picture, pictures_[picture]);
        const QString name = accessibleNameOf(board[index]);
        if (square->accessibleName() != name) square->setAccessibleName(name);
    }
    board_->refreshName();
    showPendingHint();
}

void Tessarin::highScoreRaised(std::int64_t) {
    settings_.highScoreRaised();
    QMetaObject::invokeMethod(this, &Tessarin::saveRaisedHighScore, Qt::QueuedConnection);
}

void Tessarin::saveRaisedHighScore() {
    if (unloaded_) return;
    settings_.saveRaisedHighScore(game_.settingsToSave().highScore);
}

void Tessarin::saveSettings() {
    settings_.saveAll(game_.settingsToSave());
}

void Tessarin::saveOptions() {
    settings_.changeOptions({actions_.at(ShortcutAction::Sound)->isChecked(),
                             actions_.at(ShortcutAction::ColourSymbols)->isChecked()});
}

void Tessarin::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    timers_.stopAll();
    saveSettings();
}

void Tessarin::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

} // namespace quadrelle::app
