// SPDX-License-Identifier: MIT
// A short message over the bottom of the board ("Sound off", the hint in words) in white on a
// dark veil that lets the squares show through, for a moment after each new notice.
#pragma once

#include <string>

#include "BrowserAlarm.h"
#include "Canvas2D.h"
#include "screen/Screen.h"

namespace quadrelle::web {

class NoticeBanner {
public:
    static constexpr int kShownMs = 1500;

    // hidden is called when the notice goes, so the page can draw the board without it.
    explicit NoticeBanner(std::function<void()> hidden)
        : alarm_([this, hidden = std::move(hidden)] {
              shown_ = false;
              hidden();
          }) {}

    // Shows the screen's notice when it is a new one.
    void follow(const play::Notice& notice);
    void draw(Canvas2D& canvas) const;
    bool isShown() const { return shown_; }
    const std::string& text() const { return text_; }

private:
    BrowserAlarm alarm_;
    int numberShown_ = 0;
    bool shown_ = false;
    std::string text_;
};

} // namespace quadrelle::web
