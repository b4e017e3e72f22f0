// SPDX-License-Identifier: MIT
// The question asked before the best scores are cleared: a modal box with Yes and No, No the
// default, since the table cannot be brought back. True only for Yes.
#pragma once

#include <QtGlobal>

class QWidget;

namespace quadrelle::app {

// The English texts, translated in the context "ClearBestScoresPrompt" when the box opens.
inline constexpr auto kClearBestScoresTitle = QT_TRANSLATE_NOOP("ClearBestScoresPrompt", "Clear best scores");
inline constexpr auto kClearBestScoresQuestion =
    QT_TRANSLATE_NOOP("ClearBestScoresPrompt", "Do you really want to clear the best scores?");

bool askToClearBestScores(QWidget* parent);

} // namespace quadrelle::app
