// SPDX-License-Identifier: MIT
// Wiring each QTimer to its TimerId.
#include "window/QtTimerService.h"

#include "screen/TimerNames.h"

namespace quadrelle::app {

QtTimerService::QtTimerService(QObject* parent) : QObject(parent) {
    for (TimerId id : kAllTimers) {
        QTimer& timer = timerFor(id);
        const std::string_view name = play::timerName(id);
        timer.setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        timer.setInterval(intervalMs(id));
        // The reaction chain is paced in steps of 200 ms; coarse timers could stretch them by 5 %.
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, this, [this, id] {
            if (onTick_) onTick_(id);
        });
    }
}

void QtTimerService::setEnabled(TimerId id, bool enabled) {
    if (enabled)
        timerFor(id).start();
    else
        timerFor(id).stop();
}

bool QtTimerService::isEnabled(TimerId id) const {
    return timerFor(id).isActive();
}

void QtTimerService::stopAll() {
    for (TimerId id : kAllTimers) setEnabled(id, false);
}

} // namespace quadrelle::app
