// SPDX-License-Identifier: MIT
// The clear-the-high-score message box.
#include "dialogs/ClearHiscorePrompt.h"

#include <QMessageBox>

#include "platform/Translations.h"
#include "screen/Questions.h"

namespace quadrelle::app {

bool askToClearHiscore(QWidget* parent) {
    const play::Question question = play::clearHiscoreQuestion(gameLanguage());
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(question.title),
                    QString::fromStdString(question.text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("ClearHiscoreBox"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quadrelle::app
