// Building the window and wiring its events to the engine.
#include "Tessarin.h"

#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>

#include "AccessibleNames.h"
#include "ClearHiscorePrompt.h"
#include "ClickableLabel.h"
#include "ComboBanner.h"
#include "NewGameButton.h"
#include "Resources.h"

namespace quadrelle::app {

namespace {

constexpr std::array<int, 5> kIconSizes = {32, 48, 64, 128, 256};

QString textOf(const std::string& text) { return QString::fromStdString(text); }

void setText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void setTag(QLabel* label, const QString& tag) {
    if (label->property("Tag").toString() != tag) label->setProperty("Tag", tag);
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
        palette.setColor(QPalette::Window, colourOf(design.back));
        palette.setColor(QPalette::WindowText, colourOf(design.fore));
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
}

QIcon loadWindowIcon() {
    registerResources();
    QIcon icon;
    for (int size : kIconSizes) {
        const QString path = QStringLiteral(":/icon/quadrelle-%1.png").arg(size);
        if (QFile::exists(path)) icon.addFile(path, QSize(size, size));
    }
    return icon;
}

} // namespace

Tessarin::Tessarin(const SettingsStore& settings, SoundOutput& sound, QWidget* parent)
    : QWidget(parent), settings_(settings), game_(timers_, random_, sound) {
    buildWindow();
    buildBoard();
    buildControls();
    connectEvents();

    const SavedSettings saved = settings_.read();
    game_.Form_Load(saved.hiScore, saved.startLevel);
    knownHighScore_ = game_.counters().highScore;
    showState();
}

Tessarin::~Tessarin() { timers_.stopAll(); }

void Tessarin::buildWindow() {
    setObjectName(QStringLiteral("Tessarin"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    // A close button only: no minimise or maximise button, and no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
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
        connect(square, &SquareWidget::pressed, this, [this](int i, int button, int shift, float y) {
            game_.sq_MouseDown(i, button, shift, y);
            afterEngineEvent();
            emit squarePressed(i, button, shift, y);
        });
        connect(square, &SquareWidget::released, this, [this](int i, int button, int shift, float y) {
            game_.sq_MouseUp(i, button, shift, y);
            afterEngineEvent();
            emit squareReleased(i, button, shift, y);
        });
    }
}

QWidget* Tessarin::createControl(const ControlDesign& design) {
    QWidget* widget = nullptr;
    const QString caption = QString::fromUtf8(design.caption);
    switch (design.kind) {
    case ControlKind::Label: {
        const bool clickable = std::string_view(design.name) == "LabelClr";
        QLabel* label = clickable ? new ClickableLabel(caption, this) : new QLabel(caption, this);
        // Only "[x]" reacts to the mouse; the others, the "Game Over" banner over the board
        // among them, let clicks through to the squares below, since game over does not lock
        // the board.
        label->setAttribute(Qt::WA_TransparentForMouseEvents, !clickable);
        label->setAlignment(design.alignment);
        label->setWordWrap(design.wordWrap);
        widget = label;
        break;
    }
    case ControlKind::Button: widget = new NewGameButton(caption, this); break;
    case ControlKind::ScrollBar: widget = new QScrollBar(Qt::Vertical, this); break;
    }
    widget->setObjectName(QString::fromLatin1(design.name));
    widget->setGeometry(pixelsOf(design.place));
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setVisible(design.visible);
    applyLook(widget, design);
    return widget;
}

void Tessarin::buildControls() {
    for (const ControlDesign& design : controlTable()) createControl(design);
    const auto label = [this](const char* name) { return findChild<QLabel*>(QString::fromLatin1(name)); };
    controls_.comboText = label("LabelComboT");
    controls_.comboCount = label("LabelCombo");
    layOutComboBanner(*controls_.comboText, *controls_.comboCount);
    controls_.score = label("LabelScore");
    controls_.clearHiScore = label("LabelClr");
    controls_.hiScore = label("LabelHiScore");
    controls_.level = label("LabelLevel");
    controls_.left = label("LabelLeft");
    controls_.removes = label("LabelRemoves");
    controls_.startLevel = label("LevelTxt");
    controls_.gameOver = label("LabelGameOver");
    controls_.clickedY = label("LabelClickedY");
    controls_.reactions = label("LabelReactions");
    controls_.newGameFlag = label("LabelNewGame");
    controls_.newGame = findChild<QPushButton*>(QStringLiteral("Command1"));
    controls_.startLevelSpinner = findChild<QScrollBar*>(QStringLiteral("HScrollLevel"));

    // The banner lies across the board, which was made first, so it is drawn on top already;
    // raising it says so.
    controls_.gameOver->raise();

    QPushButton* newGame = controls_.newGame;
    newGame->setFocusPolicy(Qt::StrongFocus);
    // Outside a dialog a push button ignores Enter unless it is an auto-default button.
    newGame->setAutoDefault(true);

    QScrollBar* spinner = controls_.startLevelSpinner;
    spinner->setRange(10 - kMaxStartLevel, 10 - kMinStartLevel);
    spinner->setSingleStep(1);
    spinner->setPageStep(1);
    spinner->setValue(10 - kMinStartLevel);
    spinner->setFocusPolicy(Qt::StrongFocus);
    // Fusion draws both arrow buttons on a bar only 31 px tall, so it works as a spinner.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        fusion->setParent(spinner);
        spinner->setStyle(fusion);
    }
    spinner->setAccessibleName(QStringLiteral("Start level"));

    setTabOrder(newGame, spinner);
    newGame->setFocus();
}

void Tessarin::connectEvents() {
    timers_.setTickHandler([this](TimerId timer) {
        game_.onTimer(timer);
        afterEngineEvent();
    });
    connect(controls_.newGame, &QPushButton::clicked, this, [this] {
        game_.Command1_Click();
        afterEngineEvent();
    });
    connect(controls_.startLevelSpinner, &QScrollBar::valueChanged, this, [this](int value) {
        game_.HScrollLevel_Change(value);
        afterEngineEvent();
    });
    connect(static_cast<ClickableLabel*>(controls_.clearHiScore), &ClickableLabel::clicked, this, [this] {
        const bool yes = askToClearHiscore(this);
        game_.LabelClr_Click(yes);
        afterEngineEvent();
    });
}

void Tessarin::showState() {
    const Counters& counters = game_.counters();
    const Captions captions = captionsOf(counters);
    setText(controls_.score, textOf(captions.score));
    setText(controls_.left, textOf(captions.reactionsLeft));
    setText(controls_.comboCount, textOf(captions.comboCount));
    setText(controls_.removes, textOf(captions.removes));
    setText(controls_.level, textOf(captions.level));
    setText(controls_.startLevel, textOf(captions.startLevel));
    setText(controls_.hiScore, textOf(captions.highScore));
    controls_.comboCount->setVisible(counters.comboCountVisible);
    controls_.comboText->setVisible(counters.comboTextVisible);
    controls_.gameOver->setVisible(counters.gameOverVisible);
    if (controls_.startLevelSpinner->value() != counters.scrollValue) {
        const QSignalBlocker quiet(controls_.startLevelSpinner);
        controls_.startLevelSpinner->setValue(counters.scrollValue);
    }

    setTag(controls_.clickedY, counters.pressHeight ? QString::number(*counters.pressHeight) : QString());
    setTag(controls_.reactions, textOf(numberText(counters.reactionCount)));
    setTag(controls_.newGameFlag, counters.newGame ? QStringLiteral("1") : QStringLiteral("0"));

    const Board& board = game_.board();
    for (int index = 0; index < kSquareCount; ++index) {
        SquareWidget* square = squares_[static_cast<std::size_t>(index)];
        const Picture picture = board[index].picture;
        square->showPicture(picture, pictures_[picture]);
        const QString name = accessibleNameOf(board[index]);
        if (square->accessibleName() != name) square->setAccessibleName(name);
    }
}

void Tessarin::afterEngineEvent() {
    showState();
    saveRaisedHighScore();
}

void Tessarin::saveRaisedHighScore() {
    // A game over that raises the high score saves it at once, so a crash or a forced quit
    // later in the run cannot lose it.
    const std::int64_t highScore = game_.counters().highScore;
    if (highScore > knownHighScore_ && !unloaded_) settings_.writeHiScore(numberText(highScore));
    knownHighScore_ = highScore;
}

void Tessarin::saveSettings() { settings_.write(game_.Form_Unload()); }

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
