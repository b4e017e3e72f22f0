// SPDX-License-Identifier: MIT
// The question asked before the best scores are cleared: a modal box with Yes and No, No the
// default, since the table cannot be brought back. True only for Yes.
#pragma once

class QWidget;

namespace quadrelle::app {

bool askToClearBestScores(QWidget* parent);

} // namespace quadrelle::app
