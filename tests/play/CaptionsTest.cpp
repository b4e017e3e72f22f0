// SPDX-License-Identifier: MIT
// What the designed controls show: every counter as a plain number text, and each timer's
// designed name.
#include <gtest/gtest.h>

#include "screen/Captions.h"
#include "screen/TimerNames.h"

namespace quadrelle::play {
namespace {

TEST(Captions, NumbersAreWrittenInThePlainForm) {
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-1), "-1");
    EXPECT_EQ(numberText(20), "20");
    EXPECT_EQ(numberText(40000), "40000");
    EXPECT_EQ(numberText(4294967296), "4294967296");
}

TEST(Captions, ShowEveryCounterAsText) {
    Counters c;
    c.score = 70000;
    c.reactionsLeft = -1;
    c.comboCount = 3;
    c.removes = 2;
    c.level = 12;
    c.startLevel = 4;
    c.highScore = 65536;
    const Captions captions = captionsOf(c);
    EXPECT_EQ(captions.score, "70000");
    EXPECT_EQ(captions.reactionsLeft, "-1");
    EXPECT_EQ(captions.comboCount, "3");
    EXPECT_EQ(captions.removes, "2");
    EXPECT_EQ(captions.level, "12");
    EXPECT_EQ(captions.startLevel, "4");
    EXPECT_EQ(captions.highScore, "65536");
}

TEST(TimerNames, EachTimerHasItsDesignedName) {
    const std::pair<TimerId, std::string_view> table[] = {
        {TimerId::ClearSq, "TimerClearSq"},
        {TimerId::MoveDown, "TimerMoveDown"},
        {TimerId::FillUp, "TimerFillUp"},
        {TimerId::HideCombo, "TimerHideCombo"},
        {TimerId::WaitAfterClick, "WaitAfterClickTimer"},
        {TimerId::WaitAfterInit, "WaitAfterInitTimer"},
        {TimerId::WaitAfterReactions, "WaitAfterReactionsTimer"},
    };
    for (const auto& [timer, name] : table) EXPECT_EQ(timerName(timer), name);
}

} // namespace
} // namespace quadrelle::play
