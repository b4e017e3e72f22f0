// The question asked before the high score is cleared: a modal box titled "Clear Hiscore"
// with Yes, No and Cancel, Yes the default, no icon. True only for Yes.
#pragma once

class QWidget;

namespace quadrelle::app {

inline constexpr auto kClearHiscoreTitle = "Clear Hiscore";
inline constexpr auto kClearHiscoreQuestion = "Do you really want to clear the hiscore?";

bool askToClearHiscore(QWidget* parent);

} // namespace quadrelle::app
