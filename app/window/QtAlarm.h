// SPDX-License-Identifier: MIT
// The play layer's alarm on a single-shot QTimer, so it runs only while something waits on it.
#pragma once

#include <QTimer>

#include <functional>

#include "session/HintShow.h"

namespace quadrelle::app {

class QtAlarm : public play::Alarm {
public:
    explicit QtAlarm(std::function<void()> timeUp) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, std::move(timeUp));
    }
    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

} // namespace quadrelle::app
