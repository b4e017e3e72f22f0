// SPDX-License-Identifier: MIT
// A one-shot alarm on a browser timeout, for the hint's frame and the notice: it calls back
// once after the interval, and nothing is scheduled while it is not running.
#pragma once

#include <functional>

#include "session/HintShow.h"

namespace quadrelle::web {

class BrowserAlarm final : public play::Alarm {
public:
    explicit BrowserAlarm(std::function<void()> timeUp) : timeUp_(std::move(timeUp)) {}
    BrowserAlarm(const BrowserAlarm&) = delete;
    BrowserAlarm& operator=(const BrowserAlarm&) = delete;
    ~BrowserAlarm() override { stop(); }

    void start(int milliseconds) override;
    void stop() override;
    bool isRunning() const { return timeout_ != 0; }

private:
    static void rang(void* alarm);

    std::function<void()> timeUp_;
    long timeout_ = 0;
};

} // namespace quadrelle::web
