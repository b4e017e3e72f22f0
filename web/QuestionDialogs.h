// SPDX-License-Identifier: MIT
// The two questions before something is cleared, as the desktop asks them: the designed
// "Clear Hiscore" box with Yes (the default), No and Cancel, and the best scores' with Yes and
// No, where No is the default and Escape's answer, since a cleared table cannot come back.
#pragma once

#include <memory>

#include "DialogBox.h"

namespace quadrelle::web {

std::unique_ptr<DialogBox> clearHiscoreDialog(play::Language language);
std::unique_ptr<DialogBox> clearBestScoresDialog(play::Language language);

} // namespace quadrelle::web
