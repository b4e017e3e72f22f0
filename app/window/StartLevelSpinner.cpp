// SPDX-License-Identifier: MIT
// The spinner's flipped range, its Fusion arrows and its focus frame.
#include "window/StartLevelSpinner.h"

#include <QEvent>
#include <QFocusFrame>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

#include "game/Settings.h"
#include "window/ControlLayout.h"

namespace quadrelle::app {

namespace {

// The bar runs from 1 at the top to 9 at the bottom, the opposite way to the levels.
constexpr int kFlip = kMinStartLevel + kMaxStartLevel;

constexpr int valueOf(int startLevel) {
    return kFlip - startLevel;
}

// A ring just outside the spinner, in the yellow of the board's cursor, shown only while the
// spinner has the focus. As a QFocusFrame it follows the spinner and stays out of the
// accessible tree.
class FocusRing : public QFocusFrame {
public:
    explicit FocusRing(QWidget* target) : QFocusFrame(target) {
        setWidget(target);
        setVisible(false);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool filtered = QFocusFrame::eventFilter(watched, event);
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::FocusIn:
        case QEvent::FocusOut: setVisible(widget()->isVisible() && widget()->hasFocus()); break;
        default: break;
        }
        return filtered;
    }

    // The style's mask leaves only the ring to paint.
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), kFocusColour); }
};

} // namespace

StartLevelSpinner::StartLevelSpinner(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setRange(valueOf(kMaxStartLevel), valueOf(kMinStartLevel));
    setSingleStep(1);
    setPageStep(1);
    setValue(valueOf(kMinStartLevel));
    // Fusion draws both arrow buttons on a bar only 31 px tall, so it works as a spinner.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        fusion->setParent(this);
        setStyle(fusion);
    }
    connect(this, &QScrollBar::valueChanged, this, [this] { emit startLevelChanged(startLevel()); });
    new FocusRing(this);
}

int StartLevelSpinner::startLevel() const {
    return kFlip - value();
}

void StartLevelSpinner::setStartLevel(int level) {
    setValue(valueOf(level));
}

void StartLevelSpinner::raiseStartLevel() {
    triggerAction(SliderSingleStepSub);
}

void StartLevelSpinner::lowerStartLevel() {
    triggerAction(SliderSingleStepAdd);
}

} // namespace quadrelle::app
