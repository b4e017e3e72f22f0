// SPDX-License-Identifier: MIT
// The high score, the start level and the options as stored texts: read strictly, with the
// defaults for anything else.
#include <gtest/gtest.h>

#include <tuple>

#include "settings/StoredSettings.h"

namespace quadrelle::play {
namespace {

struct StoredPair {
    const char* hiScore;
    const char* startLevel;
    std::int64_t expectedHiScore;
    int expectedStartLevel;
};

class StoredGeneralTexts : public ::testing::TestWithParam<StoredPair> {};

// Texts that are not plain integers in range fall back to the defaults.
TEST_P(StoredGeneralTexts, areParsedAndChecked) {
    const StoredPair& row = GetParam();
    EXPECT_EQ(parseHighScore(row.hiScore).value_or(0), row.expectedHiScore);
    EXPECT_EQ(parseStartLevel(row.startLevel).value_or(1), row.expectedStartLevel);
    const StoredTexts texts{{"General/HiScore", row.hiScore}, {"General/StartLevel", row.startLevel}};
    EXPECT_EQ(settingsIn(texts), (Settings{row.expectedHiScore, row.expectedStartLevel}));
}

INSTANTIATE_TEST_SUITE_P(play, StoredGeneralTexts,
                         ::testing::Values(StoredPair{"abc", "abc", 0, 1}, StoredPair{"", "", 0, 1},
                                           StoredPair{"12.5", "12.5", 0, 1}, StoredPair{"-3", "-3", 0, 1},
                                           StoredPair{"0", "0", 0, 1},
                                           // a high score of 10 is fine; a start level of 10 is not
                                           StoredPair{"10", "10", 10, 1},
                                           StoredPair{"99999999999999999999", "99999999999999999999", 0, 1},
                                           StoredPair{" 4", " 4", 0, 1}, StoredPair{"4 ", "+4", 0, 1},
                                           StoredPair{"0x10", "4.0", 0, 1},
                                           StoredPair{"4294967296", "9", 4294967296, 9},
                                           StoredPair{"999999999999", "1", 999999999999, 1},
                                           StoredPair{"1000000000000", "1", 0, 1}));

TEST(StoredSettings, onlyTheTwoWordsSwitchAnOption) {
    const std::tuple<const char*, bool, bool> table[] = {
        {"true", true, true},   {"false", false, false}, {"TRUE", true, false},
        {"False", true, false}, {"1", true, false},      {"", true, false},
    };
    for (const auto& [text, sound, colourSymbols] : table) {
        EXPECT_EQ(optionsIn({{"Options/Sound", text}}).sound, sound) << text;
        EXPECT_EQ(optionsIn({{"Options/ColourSymbols", text}}).colourSymbols, colourSymbols) << text;
    }
}

} // namespace
} // namespace quadrelle::play
