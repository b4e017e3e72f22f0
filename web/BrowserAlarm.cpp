// SPDX-License-Identifier: MIT
#include "BrowserAlarm.h"

#include <emscripten/eventloop.h>

namespace quadrelle::web {

void BrowserAlarm::start(int milliseconds) {
    stop();
    timeout_ = emscripten_set_timeout(&BrowserAlarm::rang, milliseconds, this);
}

void BrowserAlarm::stop() {
    if (timeout_ != 0) emscripten_clear_timeout(timeout_);
    timeout_ = 0;
}

void BrowserAlarm::rang(void* data) {
    auto& alarm = *static_cast<BrowserAlarm*>(data);
    alarm.timeout_ = 0;
    if (alarm.timeUp_) alarm.timeUp_();
}

} // namespace quadrelle::web
