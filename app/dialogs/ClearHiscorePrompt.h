// SPDX-License-Identifier: MIT
// The question asked before the high score is cleared: a modal box titled "Clear Hiscore"
// with Yes, No and Cancel, Yes the default, no icon. True only for Yes.
#pragma once

#include <QtGlobal>

class QWidget;

namespace quadrelle::app {

// The English texts, translated in the context "ClearHiscorePrompt" when the box opens.
inline constexpr auto kClearHiscoreTitle = QT_TRANSLATE_NOOP("ClearHiscorePrompt", "Clear Hiscore");
inline constexpr auto kClearHiscoreQuestion =
    QT_TRANSLATE_NOOP("ClearHiscorePrompt", "Do you really want to clear the hiscore?");

bool askToClearHiscore(QWidget* parent);

} // namespace quadrelle::app
