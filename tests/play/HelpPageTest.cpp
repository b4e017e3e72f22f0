// SPDX-License-Identifier: MIT
// The help page in each language the game speaks: no English paragraph, heading or key left
// behind, and every square picture one the game has.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "board/Picture.h"
#include "screen/HelpPage.h"

namespace quadrelle::play {
namespace {

// Every text of the page, in the order it shows them.
std::vector<std::string> textsOf(const HelpPage& page) {
    std::vector<std::string> texts{page.title};
    for (const HelpRule& rule : page.rules) {
        texts.push_back(rule.title);
        texts.push_back(rule.text);
    }
    texts.push_back(page.keysHeading);
    for (const HelpKeyGroup& group : page.keyGroups) {
        texts.push_back(group.heading);
        for (const HelpKey& key : group.keys) texts.push_back(key.description);
    }
    return texts;
}

TEST(HelpPage, EveryTextIsTranslatedIntoGermanAndFrench) {
    const std::vector<std::string> english = textsOf(helpPage(Language::English));
    for (const Language language : {Language::German, Language::French}) {
        const std::vector<std::string> translated = textsOf(helpPage(language));
        ASSERT_EQ(translated.size(), english.size());
        for (std::size_t n = 0; n < english.size(); ++n)
            EXPECT_NE(translated[n], english[n]) << "left in English: " << english[n];
    }
}

TEST(HelpPage, EveryPictureIsOneOfTheTemplatePictures) {
    std::vector<std::string_view> names;
    for (int n = 0; n < kPictureCount; ++n) names.push_back(pictureName(static_cast<Picture>(n)));
    int shown = 0;
    for (const HelpRule& rule : helpPage(Language::English).rules) {
        for (const char* name : rule.pictures) {
            EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
            ++shown;
        }
    }
    EXPECT_GT(shown, 0);
}

} // namespace
} // namespace quadrelle::play
