#include "GameHarness.h"

namespace quadrelle::test {
namespace {

TEST(Counters, NumbersAreWrittenInThePlainForm) {
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-1), "-1");
    EXPECT_EQ(numberText(20), "20");
    EXPECT_EQ(numberText(40000), "40000");
    EXPECT_EQ(numberText(4294967296), "4294967296");
}

TEST(Counters, CaptionsShowEveryCounterAsText) {
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

struct SettingsCase {
    std::string_view hiScore, startLevel;
    std::int64_t expectedHiScore;
    int expectedStartLevel;
};

TEST(SavedSettings, BadTextsFallBackToTheDefaultsAndAreRewrittenAtUnload) {
    const SettingsCase cases[] = {
        {"abc", "abc", 0, 1},
        {"", "", 0, 1},
        {"12.5", "12.5", 0, 1},
        {"-3", "-3", 0, 1},
        {"0", "0", 0, 1},
        {"10", "10", 10, 1}, // a high score of 10 is fine; a start level of 10 is not
        {"99999999999999999999", "99999999999999999999", 0, 1},
        {" 4", " 4", 0, 1},
        {"4 ", "+4", 0, 1},
        {"0x10", "4.0", 0, 1},
    };
    for (const SettingsCase& c : cases) {
        SCOPED_TRACE("HiScore '" + std::string(c.hiScore) + "', StartLevel '" + std::string(c.startLevel) + "'");
        GameHarness h;
        h.game.Form_Load(c.hiScore, c.startLevel);
        EXPECT_EQ(h.counters().highScore, c.expectedHiScore);
        EXPECT_EQ(h.counters().startLevel, c.expectedStartLevel);
        EXPECT_EQ(h.counters().scrollValue, 10 - c.expectedStartLevel);
        EXPECT_EQ(h.counters().level, c.expectedStartLevel);
        const SavedSettings saved = h.game.Form_Unload();
        EXPECT_EQ(saved.hiScore, numberText(c.expectedHiScore));
        EXPECT_EQ(saved.startLevel, numberText(c.expectedStartLevel));
    }
}

TEST(SavedSettings, WideHighScoresAndEveryStartLevelRoundTrip) {
    for (std::string_view hi : {"0", "32767", "32768", "40000", "65536", "4294967296"}) {
        GameHarness h;
        h.game.Form_Load(hi, "1");
        EXPECT_EQ(h.game.Form_Unload().hiScore, hi);
    }
    GameHarness h;
    h.game.Form_Load("40000", "1");
    EXPECT_EQ(h.counters().highScore, 40000);
    for (int level = 1; level <= 9; ++level) {
        h.game.Form_Load("0", std::to_string(level));
        EXPECT_EQ(h.counters().level, level);
        EXPECT_EQ(h.game.Form_Unload().startLevel, std::to_string(level));
    }
}

struct HighScoreCase {
    std::int64_t score, highScore, expected;
};

TEST(HighScore, GameOverKeepsTheHigherOfScoreAndHighScoreBeyondSixteenBits) {
    const HighScoreCase cases[] = {
        {150, 120, 150},     {120, 120, 120},     {90, 120, 120},      {40000, 32767, 40000},
        {32768, 32767, 32768}, {70000, 65536, 70000}, {65536, 70000, 70000}, {65536, 4464, 65536},
        {32767, 40000, 40000},
    };
    for (const HighScoreCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.score) + " against " + std::to_string(c.highScore));
        GameHarness h; // a plain board without runs: nothing reacts and nothing can change
        h.counters().score = c.score;
        h.counters().highScore = c.highScore;
        EXPECT_EQ(h.game.ScanReactions(), 0);
        EXPECT_TRUE(h.counters().gameOverVisible);
        EXPECT_EQ(h.counters().highScore, c.expected);
        EXPECT_EQ(h.game.Form_Unload().hiScore, numberText(c.expected));
    }
}

TEST(HighScore, ScoresKeepAddingPastSixteenBits) {
    GameHarness h;
    h.lay(quietBoardWith({{0, "3"}, {1, "3"}, {2, "3"}, {3, "3"}}, "012", true));
    h.counters().score = 32765;
    EXPECT_EQ(h.game.ScanReactions(), 2);
    EXPECT_EQ(h.counters().score, 32785);
}

} // namespace
} // namespace quadrelle::test
