// SPDX-License-Identifier: MIT
// The clear-the-best-scores message box.
#include "dialogs/ClearBestScoresPrompt.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quadrelle::app {

bool askToClearBestScores(QWidget* parent) {
    QMessageBox box(QMessageBox::NoIcon,
                    QCoreApplication::translate("ClearBestScoresPrompt", kClearBestScoresTitle),
                    QCoreApplication::translate("ClearBestScoresPrompt", kClearBestScoresQuestion),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("ClearBestScoresBox"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quadrelle::app
