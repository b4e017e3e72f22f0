// SPDX-License-Identifier: MIT
// The texts of the About box, the best-scores table, the questions, the window, the answer
// buttons and the keys' names, in English with their numbers filled in, and in German: each
// read from its own context of the translation files.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "screen/AboutText.h"
#include "screen/AnswerWords.h"
#include "screen/BestScoresTable.h"
#include "screen/KeyNames.h"
#include "screen/Questions.h"
#include "screen/WindowTexts.h"

namespace quadrelle::play {
namespace {

struct ScreenText {
    std::function<std::string(Language)> text;
    const char* english;
    const char* german;
};

constexpr GameNumber kLargest{18446744073709551615ull};

BestScores tableOfOne() {
    BestScores scores;
    scores.insert({1250, 7, std::chrono::year{2026} / 12 / 9, 8812734412});
    return scores;
}

TEST(ScreenTexts, ReadInEnglishAndGerman) {
    const ScreenText cases[] = {
        {[](Language l) { return aboutText("1.2.3", kLargest, l).title; }, "About Quadrelle!",
         "Über Quadrelle!"},
        {[](Language l) { return aboutText("1.2.3", kLargest, l).lines.at(0); }, "Version 1.2.3",
         "Version 1.2.3"},
        {[](Language l) { return aboutText("1.2.3", kLargest, l).lines.at(2); },
         "Game number 18446744073709551615", "Spielnummer 18446744073709551615"},
        {[](Language l) { return aboutText("1.2.3", kLargest, l).lines.at(3); },
         "Released under the MIT licence.", "Veröffentlicht unter der MIT-Lizenz."},
        {[](Language l) { return bestScoresTable({}, std::nullopt, l).title; }, "Best scores", "Bestenliste"},
        {[](Language l) { return bestScoresTable({}, std::nullopt, l).headings.at(0); }, "Rank", "Platz"},
        {[](Language l) { return bestScoresTable({}, std::nullopt, l).headings.at(4); }, "Game number",
         "Spielnummer"},
        {[](Language l) { return bestScoresTable(tableOfOne(), 1, l).rankLine; }, "This game took rank 1.",
         "Dieses Spiel hat Platz 1 erreicht."},
        {[](Language l) { return bestScoresTable({}, std::nullopt, l).emptyLine; },
         "No games in the table yet: a game over with a score enters it.",
         "Noch keine Spiele in der Liste: Ein beendetes Spiel mit Punkten wird eingetragen."},
        {[](Language l) { return clearBestScoresQuestion(l).text; },
         "Do you really want to clear the best scores?", "Willst du die Bestenliste wirklich löschen?"},
        {[](Language l) { return clearHiscoreQuestion(l).title; }, "Clear Hiscore", "Rekord löschen"},
        {[](Language l) { return gameNumberQuestion(l).title; }, "Play game number", "Spiel nach Nummer"},
        {[](Language l) { return gameNumberProblemText(GameNumberProblem::Empty, l); }, "Type a game number.",
         "Gib eine Spielnummer ein."},
        {[](Language l) { return gameNumberProblemText(GameNumberProblem::TooLarge, l); },
         "A game number is at most 18446744073709551615.",
         "Eine Spielnummer ist höchstens 18446744073709551615."},
        {[](Language l) { return gameNumberProblemText(GameNumberProblem::None, l); }, "", ""},
        {[](Language l) { return gameNumberMenuLine(GameNumber{8812734412}, l); }, "Game number 8812734412",
         "Spielnummer 8812734412"},
        {[](Language l) { return otherKeysMenuTitle(l); }, "Other keys", "Weitere Tasten"},
        {[](Language l) { return soundNotice(true, l); }, "Sound on", "Ton an"},
        {[](Language l) { return soundNotice(false, l); }, "Sound off", "Ton aus"},
        // The spoken name, without the soft hyphen that lets the caption break.
        {[](Language l) { return startLevelSpinnerName(l); }, "Start level", "Startstufe"},
        {[](Language l) { return boardName(l); }, "Board", "Spielfeld"},
        {[](Language l) { return menuControlName(l); }, "Menu", "Menü"},
        {[](Language l) { return answerWord(Answer::Cancel, l); }, "Cancel", "Abbrechen"},
        {[](Language l) { return answerWord(Answer::Close, l); }, "Close", "Schließen"},
        {[](Language l) { return keyName("Ctrl+G", l); }, "Ctrl+G", "Strg+G"},
        {[](Language l) { return keyName("Shift+F10", l); }, "Shift+F10", "Umschalt+F10"},
        {[](Language l) { return keyName("Ctrl++", l); }, "Ctrl++", "Strg++"},
        {[](Language l) { return keysText(shortcutFor(ShortcutAction::ClickSquare), l); },
         "Space, Return, Enter", "Leertaste, Eingabe, Enter"},
        {[](Language l) { return keysText(shortcutFor(ShortcutAction::StepUp), l); }, "Page Up", "Bild auf"},
        {[](Language l) { return keysText(shortcutFor(ShortcutAction::About), l); }, "", ""},
    };
    for (const ScreenText& c : cases) {
        EXPECT_EQ(c.text(Language::English), c.english);
        EXPECT_EQ(c.text(Language::German), c.german) << c.english;
    }
}

TEST(ScreenTexts, TheBestScoresTableHasARowPerGameWrittenAsStored) {
    const BestScoresTable table = bestScoresTable(tableOfOne(), std::nullopt, Language::English);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0], (BestScoresRow{"1", "1250", "7", "2026-12-09", "8812734412"}));
    EXPECT_EQ(table.rankLine, "");
    EXPECT_EQ(table.emptyLine, "");
}

} // namespace
} // namespace quadrelle::play
