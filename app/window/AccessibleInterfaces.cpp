// SPDX-License-Identifier: MIT
// The accessible interfaces of the window, the squares, the spinner and the notice, and the
// factory that hands them to Qt.
#include "window/AccessibleInterfaces.h"

#include <QAccessibleWidget>
#include <QKeySequence>

#include "window/Notice.h"
#include "window/SquareWidget.h"
#include "window/StartLevelSpinner.h"
#include "window/Tessarin.h"
#include "game/Settings.h"

namespace quadrelle::app {

namespace {

class SquareInterface : public QAccessibleWidget {
public:
    explicit SquareInterface(SquareWidget* square) : QAccessibleWidget(square, QAccessible::Button) {}

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    void doAction(const QString& action) override {
        if (action == pressAction()) return static_cast<SquareWidget*>(widget())->click();
        QAccessibleWidget::doAction(action);
    }
};

class StartLevelInterface : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit StartLevelInterface(StartLevelSpinner* spinner)
        : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Value) return QString::number(spinner()->startLevel());
        return QAccessibleWidget::text(which);
    }

    QVariant currentValue() const override { return spinner()->startLevel(); }
    void setCurrentValue(const QVariant& value) override { spinner()->setStartLevel(value.toInt()); }
    QVariant maximumValue() const override { return kMaxStartLevel; }
    QVariant minimumValue() const override { return kMinStartLevel; }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }
    void doAction(const QString& action) override {
        if (action == increaseAction()) return spinner()->raiseStartLevel();
        if (action == decreaseAction()) return spinner()->lowerStartLevel();
        QAccessibleWidget::doAction(action);
    }
    // The bar's arrow keys: Up raises the start level, as its top arrow does.
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == increaseAction()) return {QKeySequence(Qt::Key_Up).toString(QKeySequence::NativeText)};
        if (action == decreaseAction())
            return {QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    StartLevelSpinner* spinner() const { return static_cast<StartLevelSpinner*>(widget()); }
};

class NoticeInterface : public QAccessibleWidget {
public:
    explicit NoticeInterface(Notice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name) return static_cast<Notice*>(widget())->text();
        return QAccessibleWidget::text(which);
    }
};

QAccessibleInterface* interfaceOf(const QString&, QObject* object) {
    // A plain top-level QWidget would be a filler; the game's window is a frame.
    if (auto* window = qobject_cast<Tessarin*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* square = qobject_cast<SquareWidget*>(object)) return new SquareInterface(square);
    if (auto* spinner = qobject_cast<StartLevelSpinner*>(object)) return new StartLevelInterface(spinner);
    if (auto* notice = qobject_cast<Notice*>(object)) return new NoticeInterface(notice);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    QAccessible::installFactory(interfaceOf);
}

} // namespace quadrelle::app
