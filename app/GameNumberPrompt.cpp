// SPDX-License-Identifier: MIT
#include "GameNumberPrompt.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "WholeNumber.h"

namespace quadrelle::app {

std::optional<GameNumber> parseGameNumber(const QString& text) {
    const auto value = wholeNumberOf<std::uint64_t>(text.trimmed().toStdString());
    if (!value) return std::nullopt;
    return GameNumber{*value};
}

std::optional<GameNumber> askForGameNumber(QWidget* parent, GameNumber current) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("GameNumberPrompt"));
    dialog.setWindowTitle(QCoreApplication::translate("GameNumberPrompt", "Play game number"));
    dialog.setLabelText(QCoreApplication::translate("GameNumberPrompt",
                                                    "Game number (the same number deals the same boards):"));
    dialog.setTextValue(QString::number(current.value));
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\s*\\d{1,20}\\s*")), edit));
        edit->selectAll();
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return parseGameNumber(dialog.textValue());
}

} // namespace quadrelle::app
