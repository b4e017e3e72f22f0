// SPDX-License-Identifier: MIT
// One finger on the page, told apart as a tap or a long press. A press that stays within a
// few pixels of where it began for half a second is long, and is told at once, while the
// finger is still down; lifted before, it was a tap. A press that wanders further is neither
// (the finger slid off). Other fingers are not followed while one is.
#pragma once

#include <functional>
#include <optional>

#include "BrowserAlarm.h"
#include "Canvas2D.h"

namespace quadrelle::web {

class TouchPress {
public:
    static constexpr int kLongPressMs = 500;
    // CSS pixels a finger may wander and still press where it began.
    static constexpr double kSlop = 10;

    // The point is where the press began, in the page's viewport.
    explicit TouchPress(std::function<void(Point)> longPressed);

    // False when another finger is being followed.
    bool down(int pointer, Point at);
    // Whether the press still holds, wherever the finger is now.
    bool moved(int pointer, Point at);
    enum class Ending { Tap, AfterLongPress, Nothing };
    Ending up(int pointer);
    void cancel(int pointer);
    bool isFollowing(int pointer) const { return pointer_ == pointer; }
    bool active() const { return pointer_.has_value(); }
    Point start() const { return start_; }

private:
    void heldLong();

    std::function<void(Point)> longPressed_;
    BrowserAlarm alarm_{[this] { heldLong(); }};
    std::optional<int> pointer_;
    Point start_{0, 0};
    bool wandered_ = false;
    bool long_ = false;
};

} // namespace quadrelle::web
