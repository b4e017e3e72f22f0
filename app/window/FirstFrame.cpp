// SPDX-License-Identifier: MIT
// Watching for the window's first paint event.
#include "window/FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace quadrelle::app {

namespace {

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, std::function<void()> work) : QObject(&window), work_(std::move(work)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A window that starts minimised draws nothing until it is restored: it does not wait.
        const bool minimised =
            event->type() == QEvent::WindowStateChange && static_cast<QWidget*>(watched)->isMinimized();
        if (event->type() == QEvent::Paint || minimised) {
            watched->removeEventFilter(this);
            // Queued, it runs once this paint and the frame's flush to the screen are done.
            QTimer::singleShot(0, watched, std::move(work_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void afterFirstFrame(QWidget& window, std::function<void()> work) {
    window.installEventFilter(new FirstFrameWatch(window, std::move(work)));
}

} // namespace quadrelle::app
