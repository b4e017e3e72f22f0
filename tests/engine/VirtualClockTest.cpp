// SPDX-License-Identifier: MIT
#include "game/VirtualClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace quadrelle {
namespace {

struct Recorder {
    explicit Recorder(VirtualClock& clock) : clock(clock) {
        clock.setTickHandler([this](TimerId t) { fired.push_back({t, this->clock.now()}); });
    }
    VirtualClock& clock;
    std::vector<std::pair<TimerId, std::int64_t>> fired;
};

TEST(Timers, EachTimerHasItsIntervalAndControlName) {
    const std::tuple<TimerId, int, std::string_view> table[] = {
        {TimerId::ClearSq, 500, "TimerClearSq"},
        {TimerId::MoveDown, 200, "TimerMoveDown"},
        {TimerId::FillUp, 200, "TimerFillUp"},
        {TimerId::HideCombo, 2000, "TimerHideCombo"},
        {TimerId::WaitAfterClick, 1000, "WaitAfterClickTimer"},
        {TimerId::WaitAfterInit, 1000, "WaitAfterInitTimer"},
        {TimerId::WaitAfterReactions, 200, "WaitAfterReactionsTimer"},
    };
    for (const auto& [timer, interval, name] : table) {
        EXPECT_EQ(intervalMs(timer), interval) << name;
    }
}

TEST(VirtualClock, NothingFiresUntilTheClockIsAdvancedAndThenInOrderOfDueTime) {
    VirtualClock clock;
    Recorder r(clock);
    clock.setEnabled(TimerId::WaitAfterClick, true); // due 1000
    clock.setEnabled(TimerId::ClearSq, true);        // due 500
    EXPECT_TRUE(r.fired.empty());
    EXPECT_EQ(clock.nextDue(), 500);
    clock.advanceBy(499);
    EXPECT_TRUE(r.fired.empty());
    clock.advanceBy(1);
    ASSERT_EQ(r.fired.size(), 1u);
    EXPECT_EQ(r.fired[0], std::make_pair(TimerId::ClearSq, std::int64_t{500}));
    EXPECT_EQ(clock.now(), 500);
}

TEST(VirtualClock, TimersDueAtTheSameMomentFireInTheOrderTheyWereEnabled) {
    VirtualClock clock;
    Recorder r(clock);
    clock.setEnabled(TimerId::WaitAfterReactions, true);
    clock.setEnabled(TimerId::MoveDown, true);
    clock.setEnabled(TimerId::FillUp, true);
    clock.setTickHandler([&](TimerId t) {
        r.fired.push_back({t, clock.now()});
        clock.setEnabled(t, false);
    });
    clock.advanceBy(200);
    ASSERT_EQ(r.fired.size(), 3u);
    EXPECT_EQ(r.fired[0].first, TimerId::WaitAfterReactions);
    EXPECT_EQ(r.fired[1].first, TimerId::MoveDown);
    EXPECT_EQ(r.fired[2].first, TimerId::FillUp);
}

TEST(VirtualClock, EnablingAgainRestartsTheFullIntervalAndDisablingCancels) {
    VirtualClock clock;
    Recorder r(clock);
    clock.setEnabled(TimerId::WaitAfterClick, true);
    clock.advanceBy(600);
    clock.setEnabled(TimerId::WaitAfterClick, true); // now due at 1600
    clock.advanceBy(999);
    EXPECT_TRUE(r.fired.empty());
    clock.advanceBy(1);
    ASSERT_EQ(r.fired.size(), 1u);
    EXPECT_EQ(r.fired[0].second, 1600);
    clock.setEnabled(TimerId::ClearSq, true);
    clock.setEnabled(TimerId::ClearSq, false);
    EXPECT_FALSE(clock.isEnabled(TimerId::ClearSq));
    clock.advanceBy(5000);
    EXPECT_EQ(r.fired.size(), 6u); // only the click timer, still enabled, ticking every second
}

TEST(VirtualClock, ATimerThatIsNotDisabledKeepsTickingEveryInterval) {
    VirtualClock clock;
    Recorder r(clock);
    clock.setEnabled(TimerId::MoveDown, true);
    clock.advanceBy(1000);
    ASSERT_EQ(r.fired.size(), 5u);
    for (std::size_t i = 0; i < r.fired.size(); ++i)
        EXPECT_EQ(r.fired[i].second, 200 * static_cast<int>(i + 1));
}

TEST(VirtualClock, FireNextJumpsToTheNextTickAndReportsAnIdleClock) {
    VirtualClock clock;
    Recorder r(clock);
    EXPECT_FALSE(clock.fireNext());
    EXPECT_FALSE(clock.nextDue().has_value());
    clock.setEnabled(TimerId::HideCombo, true);
    EXPECT_TRUE(clock.fireNext());
    EXPECT_EQ(clock.now(), 2000);
}

TEST(VirtualClock, RunUntilAtRestStopsWhenNoChainTimerIsLeftIgnoringTheBannerTimer) {
    VirtualClock clock;
    int ticks = 0;
    clock.setTickHandler([&](TimerId t) {
        ++ticks;
        clock.setEnabled(t, false);
        if (t == TimerId::ClearSq) clock.setEnabled(TimerId::MoveDown, true);
    });
    clock.setEnabled(TimerId::HideCombo, true);
    clock.setEnabled(TimerId::ClearSq, true);
    EXPECT_TRUE(clock.anyChainTimerEnabled());
    EXPECT_EQ(clock.runUntilAtRest(), 2);
    EXPECT_EQ(clock.now(), 700);
    EXPECT_FALSE(clock.anyChainTimerEnabled());
    EXPECT_TRUE(clock.isEnabled(TimerId::HideCombo));
    clock.setTickHandler([](TimerId) {}); // a timer that never stops itself
    clock.setEnabled(TimerId::FillUp, true);
    EXPECT_EQ(clock.runUntilAtRest(10), 10);
}

} // namespace
} // namespace quadrelle
