// SPDX-License-Identifier: MIT
// Keyboard play and the hint, on a real game on virtual time.
#include "GameHarness.h"
#include "session/BoardKeys.h"
#include "session/HintShow.h"

namespace quadrelle::play {
namespace {

using test::GameHarness;
using test::quietBoardWith;

struct CursorCase {
    const char* name;
    int from;
    std::vector<BoardKey> keys;
    int to;
};

TEST(BoardCursor, MovesByTheArrowsAndStopsAtTheEdges) {
    using enum BoardKey;
    const CursorCase cases[] = {
        {"right and down", 0, {Right, Right, Down}, 8},
        {"left at the left edge", 6, {Left}, 6},
        {"up at the top", 3, {Up, Up}, 3},
        {"right at the right edge", 5, {Right}, 5},
        {"down at the bottom", 33, {Down}, 33},
        {"back and forth", 14, {Up, Left, Down, Right}, 14},
    };
    for (const CursorCase& c : cases) {
        SCOPED_TRACE(c.name);
        GameHarness h;
        BoardCursor cursor;
        cursor.moveTo(c.from);
        for (BoardKey key : c.keys) cursor.press(key, h.game);
        EXPECT_EQ(cursor.square(), c.to);
    }
}

TEST(BoardCursor, PlaysTheMoveOnTheSquareUnderIt) {
    GameHarness h;
    h.lay(quietBoardWith({{8, "0up"}}));
    BoardCursor cursor;
    cursor.moveTo(8);
    cursor.moveTo(kSquareCount); // off the board: stays
    cursor.press(BoardKey::StepUp, h.game);
    EXPECT_EQ(h.board().kind(8), Kind::K1up);
    EXPECT_EQ(h.counters().score, 1);
}

class RecordingAlarm : public Alarm {
public:
    void start(int milliseconds) override { running = milliseconds; }
    void stop() override { running.reset(); }
    std::optional<int> running;
};

TEST(HintShow, WaitsForRestThenShowsTheMoveForTwoSeconds) {
    GameHarness h;
    h.lay(quietBoardWith({{0, "2"}, {1, "2"}, {2, "1up"}}));
    RecordingAlarm alarm;
    HintShow show(alarm);
    EXPECT_FALSE(show.update(h.game)); // not asked for
    h.clock.setEnabled(TimerId::WaitAfterClick, true);
    show.request();
    EXPECT_FALSE(show.update(h.game)); // a chain is pending
    EXPECT_FALSE(show.isShown());
    h.clock.setEnabled(TimerId::WaitAfterClick, false);
    EXPECT_TRUE(show.update(h.game));
    EXPECT_EQ(show.hint(), (Hint{2, HintMove::StepUp}));
    EXPECT_EQ(alarm.running, HintShow::kShownMs);
    EXPECT_FALSE(show.update(h.game)); // shown once per request
    show.expire();
    EXPECT_FALSE(show.isShown());
    EXPECT_EQ(alarm.running, std::nullopt);
}

TEST(HintShow, SaysWhenNoMoveReacts) {
    GameHarness h; // a quiet board of plain squares
    RecordingAlarm alarm;
    HintShow show(alarm);
    show.request();
    EXPECT_TRUE(show.update(h.game));
    EXPECT_TRUE(show.saysNoMove());
    EXPECT_EQ(show.hint(), std::nullopt);
}

} // namespace
} // namespace quadrelle::play
