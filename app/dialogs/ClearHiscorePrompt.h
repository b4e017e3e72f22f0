// SPDX-License-Identifier: MIT
// The question asked before the high score is cleared: a modal box titled "Clear Hiscore"
// with Yes, No and Cancel, Yes the default, no icon. True only for Yes.
#pragma once

class QWidget;

namespace quadrelle::app {

bool askToClearHiscore(QWidget* parent);

} // namespace quadrelle::app
