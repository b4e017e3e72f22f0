// SPDX-License-Identifier: MIT
// Building the About box. The version comes from the build (the project's version).
#include "dialogs/AboutBox.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>

#include "platform/Translations.h"
#include "screen/AboutText.h"

#ifndef QUADRELLE_VERSION
#error "the build defines QUADRELLE_VERSION"
#endif

namespace quadrelle::app {

namespace {

play::AboutText aboutIn(std::uint64_t gameNumber) {
    return play::aboutText(QUADRELLE_VERSION, GameNumber{gameNumber}, gameLanguage());
}

QString htmlOf(const play::AboutText& about) {
    QString html = QStringLiteral("<h3>%1</h3>").arg(QString::fromStdString(about.name).toHtmlEscaped());
    for (const std::string& line : about.lines)
        html += QStringLiteral("<p>%1</p>").arg(QString::fromStdString(line).toHtmlEscaped());
    return html;
}

} // namespace

QString aboutText(std::uint64_t gameNumber) {
    return htmlOf(aboutIn(gameNumber));
}

QMessageBox* showAbout(QWidget* parent, std::uint64_t gameNumber) {
    const play::AboutText about = aboutIn(gameNumber);
    auto* box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(QString::fromStdString(about.title));
    box->setTextFormat(Qt::RichText);
    box->setText(htmlOf(about));
    box->setStandardButtons(QMessageBox::Ok);
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull()) box->setIconPixmap(icon.pixmap(64, 64));
    box->open();
    return box;
}

} // namespace quadrelle::app
