// SPDX-License-Identifier: MIT
#include "TouchPress.h"

#include <cmath>

namespace quadrelle::web {

TouchPress::TouchPress(std::function<void(Point)> longPressed) : longPressed_(std::move(longPressed)) {}

bool TouchPress::down(int pointer, Point at) {
    if (pointer_) return false;
    pointer_ = pointer;
    start_ = at;
    wandered_ = false;
    long_ = false;
    alarm_.start(kLongPressMs);
    return true;
}

bool TouchPress::moved(int pointer, Point at) {
    if (pointer_ != pointer) return false;
    if (!wandered_ && std::hypot(at.x - start_.x, at.y - start_.y) > kSlop) {
        wandered_ = true;
        alarm_.stop();
    }
    return !wandered_;
}

TouchPress::Ending TouchPress::up(int pointer) {
    if (pointer_ != pointer) return Ending::Nothing;
    pointer_.reset();
    alarm_.stop();
    if (wandered_) return Ending::Nothing;
    return long_ ? Ending::AfterLongPress : Ending::Tap;
}

void TouchPress::cancel(int pointer) {
    if (pointer_ != pointer) return;
    pointer_.reset();
    alarm_.stop();
}

void TouchPress::heldLong() {
    long_ = true;
    if (longPressed_) longPressed_(start_);
}

} // namespace quadrelle::web
