// SPDX-License-Identifier: MIT
// The hint as the player sees it. Asked for while a chain runs, it waits for the board to come
// to rest; then it shows the move that reacts, or that none does, for two seconds. The two
// seconds run on an alarm the front end provides, so nothing runs while no hint is shown.
#pragma once

#include <optional>

#include "game/Game.h"

namespace quadrelle::play {

class Alarm {
public:
    virtual ~Alarm() = default;
    // Calls back once after the interval; starting again restarts it.
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
};

class HintShow {
public:
    static constexpr int kShownMs = 2000;

    explicit HintShow(Alarm& alarm) : alarm_(alarm) {}

    void request() { pending_ = true; }
    // After every event: a hint asked for appears once the game is at rest. True when it
    // appears now, so that a front end can announce it.
    bool update(const Game& game);
    // The alarm has run out.
    void expire();

    bool isShown() const { return shown_; }
    // The move shown; nothing while none is shown or when no move reacts.
    std::optional<Hint> hint() const { return hint_; }
    bool saysNoMove() const { return shown_ && !hint_; }

private:
    Alarm& alarm_;
    bool pending_ = false;
    bool shown_ = false;
    std::optional<Hint> hint_;
};

} // namespace quadrelle::play
