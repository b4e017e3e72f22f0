// SPDX-License-Identifier: MIT
#include "BestScoresDialog.h"

#include "DomBuilder.h"
#include "screen/BestScoresTable.h"

namespace quadrelle::web {

namespace {

using emscripten::val;
using play::BestScoresColumn;

// Numbers stand to the right, the date in the middle.
const char* columnClass(int column) {
    return static_cast<BestScoresColumn>(column) == BestScoresColumn::Date ? "quadrelle-date"
                                                                           : "quadrelle-number";
}

} // namespace

std::unique_ptr<DialogBox> bestScoresDialog(const play::BestScores& scores, std::optional<int> newRank,
                                            play::Language language) {
    const play::BestScoresTable texts = play::bestScoresTable(scores, newRank, language);
    auto box = std::make_unique<DialogBox>("best-scores", texts.title, language);
    if (!texts.rankLine.empty())
        dom::append(box->body(), dom::textElement("p", texts.rankLine, "quadrelle-best-scores-rank"));
    if (!texts.emptyLine.empty())
        dom::append(box->body(), dom::textElement("p", texts.emptyLine, "quadrelle-best-scores-empty"));
    val table = dom::append(box->body(), dom::element("table"));
    dom::setAttribute(
        table, "aria-labelledby",
        box->element().call<val>("getAttribute", std::string("aria-labelledby")).as<std::string>());
    val headings = dom::append(dom::append(table, dom::element("thead")), dom::element("tr"));
    for (int column = 0; column < play::kBestScoresColumns; ++column) {
        val heading =
            dom::append(headings, dom::textElement("th", texts.headings[static_cast<std::size_t>(column)],
                                                   columnClass(column)));
        dom::setAttribute(heading, "scope", "col");
    }
    val rows = dom::append(table, dom::element("tbody"));
    for (std::size_t row = 0; row < texts.rows.size(); ++row) {
        const bool isNew = newRank && static_cast<std::size_t>(*newRank) == row + 1;
        val line = dom::append(rows, dom::element("tr", isNew ? "quadrelle-new-rank" : ""));
        if (isNew) dom::setAttribute(line, "aria-current", "true");
        for (int column = 0; column < play::kBestScoresColumns; ++column)
            dom::append(line, dom::textElement("td", texts.rows[row][static_cast<std::size_t>(column)],
                                               columnClass(column)));
    }
    box->addAnswer(play::Answer::Close, true);
    return box;
}

} // namespace quadrelle::web
