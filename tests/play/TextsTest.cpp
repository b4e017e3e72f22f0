// SPDX-License-Identifier: MIT
// The player's language and the texts in it, read from the catalogue without Qt.
#include <gtest/gtest.h>

#include "texts/Texts.h"

namespace quadrelle::play {
namespace {

TEST(Texts, TheFirstLanguageTheGameSpeaksDecides) {
    const std::pair<std::vector<std::string>, Language> cases[] = {
        {{"de-DE"}, Language::German},           {{"fr_CA.UTF-8"}, Language::French},
        {{"es", "de"}, Language::German},        {{"en-GB", "de"}, Language::English},
        {{"C.UTF-8", "fr"}, Language::English},  {{"it", "pt"}, Language::English},
        {{}, Language::English},                 {{"DE"}, Language::German},
    };
    for (const auto& [preferred, language] : cases) EXPECT_EQ(languageOf(preferred), language);
}

TEST(Texts, ATextReadsInTheLanguageOrElseInEnglish) {
    EXPECT_EQ(translate(Language::German, "Tessarin", "Score"), "Punkte");
    EXPECT_EQ(translate(Language::French, "Questions", "Do you really want to clear the hiscore?"),
              "Voulez-vous vraiment effacer le record\u00a0?");
    EXPECT_EQ(translate(Language::English, "Tessarin", "Score"), "Score");
    EXPECT_EQ(translate(Language::German, "Tessarin", "No such text"), "No such text");
    EXPECT_EQ(translate(Language::German, "NoSuchContext", "Score"), "Score");
    // The comment tells the spinner's spoken name from the caption, which may break.
    EXPECT_EQ(translate(Language::German, "WindowTexts", "Start level", "spinner"), "Startstufe");
    EXPECT_NE(translate(Language::German, "Tessarin", "Start level"), "Startstufe");
}

} // namespace
} // namespace quadrelle::play
