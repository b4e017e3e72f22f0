// SPDX-License-Identifier: MIT
// Building the designed window from the control table.
#include "window/DesignedControls.h"

#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QLabel>

#include <algorithm>
#include <limits>

#include "window/AccessibleInterfaces.h"
#include "window/AccessibleNames.h"
#include "window/ClickableLabel.h"
#include "window/ComboBanner.h"
#include "window/ControlLayout.h"
#include "window/FitText.h"
#include "window/NewGameButton.h"
#include "window/SquareWidget.h"
#include "window/StartLevelSpinner.h"
#include "platform/Resources.h"
#include "platform/Translations.h"
#include "screen/WindowTexts.h"

namespace quadrelle::app {

namespace {

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

QLabel* createLabel(QWidget& window, const ControlDesign& design, DesignedControls& controls) {
    const QString caption = captionOf(design);
    const std::string_view name = design.name;
    QLabel* label = nullptr;
    if (name == "LabelClr")
        label = controls.clearHiScore = new ClickableLabel(caption, &window);
    else
        label = new QLabel(caption, &window);
    // Only "[x]" reacts to the mouse; the others, the "Game Over" banner over the board among
    // them, let clicks through to the squares below, since game over does not lock the board.
    label->setAttribute(Qt::WA_TransparentForMouseEvents, label != controls.clearHiScore);
    label->setAlignment(alignmentOf(design.alignment));
    label->setWordWrap(design.wordWrap);
    placeControl(label, design);
    fitCaption(label, design, label->size());

    const std::pair<std::string_view, QLabel * DesignedControls::*> shown[] = {
        {"LabelComboT", &DesignedControls::comboText}, {"LabelCombo", &DesignedControls::comboCount},
        {"LabelScore", &DesignedControls::score},      {"LabelHiScore", &DesignedControls::hiScore},
        {"LabelLevel", &DesignedControls::level},      {"LabelLeft", &DesignedControls::left},
        {"LabelRemoves", &DesignedControls::removes},  {"LevelTxt", &DesignedControls::startLevel},
        {"LabelGameOver", &DesignedControls::gameOver},
    };
    for (const auto& [shownName, slot] : shown)
        if (name == shownName) controls.*slot = label;
    return label;
}

void createControl(QWidget& window, const ControlDesign& design, DesignedControls& controls) {
    switch (design.kind) {
    case ControlKind::Label: createLabel(window, design, controls); return;
    case ControlKind::Button: {
        auto* button = new NewGameButton(captionOf(design), &window);
        controls.newGame = button;
        placeControl(button, design);
        return fitCaption(button, design, button->captionRect().size());
    }
    case ControlKind::ScrollBar:
        controls.startLevelSpinner = new StartLevelSpinner(&window);
        return placeControl(controls.startLevelSpinner, design);
    }
}

void setUpButtonAndSpinner(const DesignedControls& controls) {
    QPushButton* newGame = controls.newGame;
    newGame->setFocusPolicy(Qt::StrongFocus);
    // Outside a dialog a push button ignores Enter unless it is an auto-default button.
    newGame->setAutoDefault(true);

    StartLevelSpinner* spinner = controls.startLevelSpinner;
    spinner->setFocusPolicy(Qt::StrongFocus);
    // Its own entry, so a caption broken for its narrow label is still spoken as one word.
    spinner->setAccessibleName(QString::fromStdString(play::startLevelSpinnerName(gameLanguage())));

    QWidget::setTabOrder(newGame, spinner);
    newGame->setFocus();
}

} // namespace

void setUpDesignedWindow(QWidget& window) {
    installAccessibleInterfaces();
    window.setObjectName(QStringLiteral("Tessarin"));
    window.setWindowTitle(QString::fromLatin1(kWindowCaption));
    // A close button only: no minimise or maximise button, and no resizing.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(kClientWidth, kClientHeight);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setWindowIcon(loadWindowIcon());
}

DesignedControls buildDesignedControls(QWidget& window) {
    DesignedControls controls;
    for (int index = 0; index < kSquareCount; ++index) {
        auto* square = new SquareWidget(index, &window);
        square->setAccessibleDescription(accessiblePlaceOf(index));
        controls.squares[static_cast<std::size_t>(index)] = square;
    }
    for (const ControlDesign& design : controlTable()) createControl(window, design, controls);
    layOutComboBanner(*controls.comboText, *controls.comboCount);
    // The banner lies across the board, which was made first, so it is drawn on top already;
    // raising it says so.
    controls.gameOver->raise();
    shareCaptionSizes(window);
    labelCounters(window);
    setUpButtonAndSpinner(controls);
    return controls;
}

} // namespace quadrelle::app
