// SPDX-License-Identifier: MIT
// The rules' paragraphs and the keys' headings of "How to play".
#include "screen/HelpPage.h"

#include <array>

namespace quadrelle::play {

namespace {

constexpr auto kContext = "HelpPage";

using Pictures = std::span<const char* const>;

constexpr std::array<const char*, 5> kColours{"sq0", "sq1", "sq2", "sq3", "sq4"};
constexpr std::array<const char*, 3> kRun{"sq3", "sq3up", "sq3down"};
constexpr std::array<const char*, 2> kSteps{"sq1up", "sq2down"};
constexpr std::array<const char*, 1> kTwoWay{"sq2updown"};
constexpr std::array<const char*, 2> kSearch{"sq0up", "sq4down"};
constexpr std::array<const char*, 1> kWildcard{"sq1234"};
constexpr std::array<const char*, 2> kEraser{"sq2", "tri2r"};
constexpr std::array<const char*, 6> kSymbols{"sq0", "sq1", "sq2", "sq3", "sq4", "sq1234"};

struct RuleText {
    const char* title;
    const char* text;
    Pictures pictures;
    bool colourSymbols;
};

constexpr std::array<RuleText, 10> kRules{{
    {PLAY_TEXT("HelpPage", "Five colours"),
     PLAY_TEXT("HelpPage", "Every square has one of five colours, and its colour also sets the size of its "
                           "outline: pink is a small dot, green, yellow and red grow larger, and blue fills "
                           "the whole square."),
     kColours, false},
    {PLAY_TEXT("HelpPage", "Three in a row"),
     PLAY_TEXT("HelpPage", "Three squares of one colour side by side in a row or a column react, whatever "
                           "their arrows: they are removed, the other squares close up, and new squares fill "
                           "the gaps. Four in a line are two reactions. The new board may react again: a "
                           "chain of two or more reactions is a combo, shown at the top right."),
     kRun, false},
    {PLAY_TEXT("HelpPage", "Colour step"),
     PLAY_TEXT("HelpPage", "Click a square with an arrow to step its colour once along the arrow, for one "
                           "point: up to the next larger outline, down to the next smaller. A step up to "
                           "blue or down to pink takes the arrow away: the square is plain from then on. The "
                           "board reacts a second after your last click, so you can make several quick "
                           "clicks before it does."),
     kSteps, false},
    {PLAY_TEXT("HelpPage", "Two-way squares"),
     PLAY_TEXT("HelpPage", "A square with both arrows steps up when you click its upper half and down when "
                           "you click its lower half. A step takes away the other arrow."),
     kTwoWay, false},
    {PLAY_TEXT("HelpPage", "Colour search"),
     PLAY_TEXT("HelpPage", "Right-click an arrow square (or click it with Shift, Ctrl or Alt held) to try "
                           "every colour its arrow can reach, nearest first: the first that reacts is kept. "
                           "When none reacts, the square stays as it was. A search earns no point itself, "
                           "only its reactions score; and a search that ends on blue or pink leaves the "
                           "square plain, without its arrow."),
     kSearch, false},
    {PLAY_TEXT("HelpPage", "Wildcard"),
     PLAY_TEXT("HelpPage", "The multi-coloured square counts as every colour in a run of three. It has no "
                           "arrow and cannot be erased. It appears from level 4 on."),
     kWildcard, false},
    {PLAY_TEXT("HelpPage", "Erasers"),
     PLAY_TEXT("HelpPage", "A square without an arrow cannot change. Click or right-click it to spend an "
                           "eraser: it breaks up and is removed. A row or column whose six squares all "
                           "react at once earns an eraser (you hold at most 3) and sweeps every square of "
                           "its colour off the board."),
     kEraser, false},
    {PLAY_TEXT("HelpPage", "Score, levels and the end"),
     PLAY_TEXT("HelpPage", "Each reaction scores 10 points once you have made your first move. Every 20 "
                           "reactions raise the level (\"Left\" counts them down); higher levels bring more "
                           "squares without arrows. The game is over when nothing reacts and no square can "
                           "change any more. Play goes on after \"Game Over\": an eraser still removes a "
                           "plain square, the squares that fall in may bring arrows back, and the game can "
                           "end again with a higher score. \"New Game\" starts again at the start level you "
                           "choose below it."),
     Pictures{}, false},
    {PLAY_TEXT("HelpPage", "Hint"),
     PLAY_TEXT("HelpPage", "Press H for a hint. A white frame marks, for two seconds, a square whose colour "
                           "step reacts now, or else one whose colour search does, or else, while you hold "
                           "an eraser, one whose erasing does; its corner shows the move: an arrow up or "
                           "down, a magnifying glass for the search, a cross for the eraser, and the move is "
                           "also written below the board. When no move reacts, the board says so. While the "
                           "board is still reacting, the hint waits until it settles."),
     Pictures{}, false},
    {PLAY_TEXT("HelpPage", "Colour symbols"),
     PLAY_TEXT("HelpPage", "Press C to give every square a symbol of its colour, to tell the colours apart "
                           "by shape: a ring on pink, a triangle on green, bars on yellow, a plus on red, a "
                           "star on blue and an asterisk on the wildcard. C again takes them away."),
     kSymbols, true},
}};

struct KeyGroupText {
    const char* heading;
    ShortcutScope scope;
    // The group lists the entries of its scope that have keys, or else those without.
    bool withKeys;
};

constexpr std::array<KeyGroupText, 3> kKeyGroups{{
    {PLAY_TEXT("HelpPage", "Anywhere in the window:"), ShortcutScope::Window, true},
    {PLAY_TEXT("HelpPage", "While the board has the focus (Tab reaches it after the other controls):"),
     ShortcutScope::Board, true},
    {PLAY_TEXT("HelpPage", "Only in the menu:"), ShortcutScope::Window, false},
}};

std::string translated(Language language, const char* text) {
    return std::string(translate(language, kContext, text));
}

HelpKeyGroup keyGroupOf(const KeyGroupText& group, Language language) {
    HelpKeyGroup keys{translated(language, group.heading), {}};
    for (const Shortcut& shortcut : shortcuts()) {
        if (shortcut.scope != group.scope || shortcut.keys.empty() == group.withKeys) continue;
        keys.keys.push_back(
            {&shortcut, std::string(translate(language, kShortcutsContext, shortcut.description))});
    }
    return keys;
}

} // namespace

HelpPage helpPage(Language language) {
    HelpPage page;
    page.title = translated(language, PLAY_TEXT("HelpPage", "How to play"));
    page.keysHeading = translated(language, PLAY_TEXT("HelpPage", "Keys"));
    for (const RuleText& rule : kRules)
        page.rules.push_back({translated(language, rule.title), translated(language, rule.text),
                              rule.pictures, rule.colourSymbols});
    for (const KeyGroupText& group : kKeyGroups) page.keyGroups.push_back(keyGroupOf(group, language));
    return page;
}

} // namespace quadrelle::play
