// SPDX-License-Identifier: MIT
#include "dialogs/GameNumberPrompt.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Translations.h"
#include "screen/Questions.h"
#include "session/GameNumberText.h"

namespace quadrelle::app {

std::optional<GameNumber> parseGameNumber(const QString& text) {
    return play::parseGameNumber(text.toStdString());
}

QString gameNumberProblem(const QString& text) {
    return QString::fromStdString(
        play::gameNumberProblemText(play::gameNumberProblem(text.toStdString()), gameLanguage()));
}

GameNumberPrompt::GameNumberPrompt(GameNumber current, QWidget* parent)
    : QDialog(parent), entry_(new QLineEdit(QString::number(current.value), this)), problem_(new QLabel(this)) {
    const play::Question question = play::gameNumberQuestion(gameLanguage());
    setObjectName(QStringLiteral("GameNumberPrompt"));
    setWindowTitle(QString::fromStdString(question.title));
    auto* label = new QLabel(QString::fromStdString(question.text), this);
    label->setBuddy(entry_);
    entry_->setObjectName(QStringLiteral("GameNumberEntry"));
    entry_->selectAll();
    problem_->setObjectName(QStringLiteral("GameNumberProblem"));
    problem_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(entry_, &QLineEdit::textChanged, this, &GameNumberPrompt::check);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(entry_);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    check();
}

std::optional<GameNumber> GameNumberPrompt::number() const {
    return parseGameNumber(entry_->text());
}

void GameNumberPrompt::check() {
    const QString problem = gameNumberProblem(entry_->text());
    problem_->setText(problem);
    // The line keeps its place while empty, so the prompt does not jump as the player types.
    problem_->setMinimumHeight(problem_->fontMetrics().height());
    ok_->setEnabled(problem.isEmpty());
    entry_->setAccessibleDescription(problem);
}

std::optional<GameNumber> askForGameNumber(QWidget* parent, GameNumber current) {
    GameNumberPrompt prompt(current, parent);
    if (prompt.exec() != QDialog::Accepted) return std::nullopt;
    return prompt.number();
}

} // namespace quadrelle::app
