// SPDX-License-Identifier: MIT
// Each timer holds at most one pending timeout.
#include "BrowserTimers.h"

#include <emscripten/eventloop.h>

namespace quadrelle::web {

BrowserTimers::BrowserTimers() {
    for (const TimerId id : kAllTimers) {
        Slot& slot = slotOf(id);
        slot.owner = this;
        slot.id = id;
    }
}

BrowserTimers::~BrowserTimers() {
    stopAll();
}

BrowserTimers::Slot& BrowserTimers::slotOf(TimerId timer) {
    return slots_[static_cast<std::size_t>(timer)];
}

void BrowserTimers::setEnabled(TimerId timer, bool enabled) {
    Slot& slot = slotOf(timer);
    disarm(slot);
    slot.enabled = enabled;
    if (enabled) arm(slot);
}

bool BrowserTimers::isEnabled(TimerId timer) const {
    return slots_[static_cast<std::size_t>(timer)].enabled;
}

void BrowserTimers::stopAll() {
    for (const TimerId id : kAllTimers) setEnabled(id, false);
}

void BrowserTimers::arm(Slot& slot) {
    slot.timeout = emscripten_set_timeout(&BrowserTimers::timedOut, intervalMs(slot.id), &slot);
}

void BrowserTimers::disarm(Slot& slot) {
    if (slot.timeout != 0) emscripten_clear_timeout(slot.timeout);
    slot.timeout = 0;
}

void BrowserTimers::timedOut(void* data) {
    Slot& slot = *static_cast<Slot*>(data);
    slot.timeout = 0;
    if (!slot.enabled) return;
    // The next interval starts now, as a running timer's does; the handler usually stops it.
    arm(slot);
    if (slot.owner->onTick_) slot.owner->onTick_(slot.id);
}

} // namespace quadrelle::web
