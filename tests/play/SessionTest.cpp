// SPDX-License-Identifier: MIT
// A session as a front end drives it: one redraw per event, the screen it reads after it, and
// what a game over saves and shows.
#include "session/Session.h"
#include "GameHarness.h"
#include "MemoryStorage.h"
#include "RecordingSoundDevice.h"

namespace quadrelle::play {
namespace {

using test::GameHarness;
using test::quietBoardWith;

class QuietAlarm : public Alarm {
public:
    void start(int) override {}
    void stop() override {}
};

struct RecordingView : SessionView {
    void screenChanged() override { seen.push_back("screen"); }
    void bestScoresEntered(int rank) override { seen.push_back("rank " + std::to_string(rank)); }
    std::vector<std::string> seen;
};

// A session on virtual time, resumed on a board laid out as the test says.
struct SessionHarness {
    explicit SessionHarness(StoredTexts stored = {}) : storage(std::move(stored)) {
        clock.setTickHandler([this](TimerId timer) { session.tick(timer); });
        session.start(GameNumber{7});
    }
    void lay(std::string_view board, std::int64_t score = 0) {
        GameHarness h;
        h.lay(board);
        Position position = h.game.position();
        position.counters.score = score;
        for (TimerId timer : kAllTimers) clock.setEnabled(timer, false);
        session.resume(position);
        view.seen.clear();
        storage.saves = 0;
    }
    const Screen& screen() const { return session.screen(); }

    VirtualClock clock;
    testing::MemoryStorage storage;
    doubles::RecordingSoundDevice sound;
    QuietAlarm alarm;
    RecordingView view;
    Session session{{clock, sound, storage, alarm, testing::today, view}, Language::English};
};

TEST(Session, EveryEventEndsInOneRedraw) {
    using Event = std::function<void(Session&)>;
    const std::pair<const char*, Event> events[] = {
        {"press", [](Session& s) { s.press(3, Button::Plain, Half::Upper); }},
        {"release", [](Session& s) { s.release(3, Button::Plain, Half::Upper); }},
        {"tick", [](Session& s) { s.tick(TimerId::WaitAfterClick); }},
        {"new game", [](Session& s) { s.newGame(GameNumber{8}); }},
        {"start level", [](Session& s) { s.setStartLevel(4); }},
        {"board key", [](Session& s) { s.pressBoardKey(BoardKey::Right); }},
        {"cursor", [](Session& s) { s.moveCursor(9); }},
        {"hint", [](Session& s) { s.requestHint(); }},
        {"hint over", [](Session& s) { s.hintExpired(); }},
        {"sound", [](Session& s) { s.setSoundOn(false); }},
        {"symbols", [](Session& s) { s.setColourSymbols(true); }},
        {"clear high score", [](Session& s) { s.clearHighScore(); }},
        {"clear best scores", [](Session& s) { s.clearBestScores(); }},
    };
    for (const auto& [name, event] : events) {
        SCOPED_TRACE(name);
        SessionHarness h;
        h.view.seen.clear();
        event(h.session);
        EXPECT_EQ(h.view.seen, std::vector<std::string>{"screen"});
    }
}

TEST(Session, TheScreenFollowsKeysHintsAndSwitches) {
    SessionHarness h;
    h.lay(quietBoardWith({{0, "2"}, {1, "2"}, {2, "1up"}}));
    h.session.pressBoardKey(BoardKey::Right);
    h.session.pressBoardKey(BoardKey::Right);
    EXPECT_EQ(h.screen().cursor, 2);
    EXPECT_EQ(h.screen().squareNames[2], "green, arrow up");

    h.session.requestHint();
    EXPECT_EQ(h.screen().hint, (Hint{2, HintMove::StepUp}));
    EXPECT_EQ(h.screen().notice.text, "Hint: step up at row 1, column 3");
    h.session.hintExpired();
    EXPECT_EQ(h.screen().hint, std::nullopt);

    const int before = h.screen().notice.number;
    h.session.setSoundOn(false);
    h.session.setSoundOn(false);
    EXPECT_EQ(h.screen().notice.number, before + 2); // said twice, shown twice
    EXPECT_EQ(h.screen().notice.text, "Sound off");
    h.session.setColourSymbols(true);
    EXPECT_TRUE(h.screen().colourSymbols);
    EXPECT_EQ(h.storage.texts, (StoredTexts{{"Options/ColourSymbols", "true"}, {"Options/Sound", "false"}}));

    h.session.pressBoardKey(BoardKey::StepUp);
    EXPECT_EQ(h.screen().squareNames[2], "yellow, arrow up");
    EXPECT_EQ(h.screen().captions.score, "1");

    h.session.moveCursor(14);
    EXPECT_EQ(h.screen().cursor, 14);
    h.session.moveCursor(kSquareCount);
    EXPECT_EQ(h.screen().cursor, 14);
}

// The game that raises the high score and enters the best scores saves both at once, and the
// table is offered after the screen shows "Game Over".
TEST(Session, AGameOverSavesOnceThenOffersTheTable) {
    SessionHarness h(StoredTexts{{"General/HiScore", "120"}});
    h.lay(quietBoardWith({}), 150);
    h.session.tick(TimerId::WaitAfterClick); // nothing reacts and no arrow is left
    EXPECT_TRUE(h.screen().gameOver);
    EXPECT_EQ(h.screen().captions.highScore, "150");
    EXPECT_EQ(h.view.seen, (std::vector<std::string>{"screen", "rank 1"}));
    EXPECT_EQ(h.storage.saves, 1);
    EXPECT_EQ(h.storage.texts.at("General/HiScore"), "150");
    EXPECT_EQ(h.storage.texts.at("BestScores/1"), "150 1 2026-12-09 1");

    h.session.unload();
    h.session.unload();
    EXPECT_EQ(h.storage.saves, 2); // the last save, once
}

// A store that refuses every save leaves the game going; the player is told once, not at every
// refused save after.
TEST(Session, ARefusedSaveIsToldOnce) {
    SessionHarness h;
    h.storage.refusing = true;
    h.session.setColourSymbols(true);
    EXPECT_EQ(h.screen().notice.text, "Scores and settings cannot be saved");
    EXPECT_TRUE(h.screen().colourSymbols);
    const int told = h.screen().notice.number;
    h.session.setColourSymbols(false);
    h.session.setSoundOn(false);
    EXPECT_EQ(h.screen().notice.text, "Sound off");
    EXPECT_EQ(h.screen().notice.number, told + 1);
}

} // namespace
} // namespace quadrelle::play
