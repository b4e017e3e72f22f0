// SPDX-License-Identifier: MIT
// The clear-the-high-score message box.
#include "dialogs/ClearHiscorePrompt.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quadrelle::app {

bool askToClearHiscore(QWidget* parent) {
    QMessageBox box(QMessageBox::NoIcon,
                    QCoreApplication::translate("ClearHiscorePrompt", kClearHiscoreTitle),
                    QCoreApplication::translate("ClearHiscorePrompt", kClearHiscoreQuestion),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("ClearHiscoreBox"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quadrelle::app
