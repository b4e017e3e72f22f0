// SPDX-License-Identifier: MIT
// The clear-the-best-scores message box.
#include "dialogs/ClearBestScoresPrompt.h"

#include <QMessageBox>

#include "platform/Translations.h"
#include "screen/Questions.h"

namespace quadrelle::app {

bool askToClearBestScores(QWidget* parent) {
    const play::Question question = play::clearBestScoresQuestion(gameLanguage());
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(question.title),
                    QString::fromStdString(question.text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("ClearBestScoresBox"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quadrelle::app
