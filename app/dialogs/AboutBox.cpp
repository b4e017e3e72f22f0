// SPDX-License-Identifier: MIT
// Building the About box. The version comes from the build (the project's version).
#include "dialogs/AboutBox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>

#ifndef QUADRELLE_VERSION
#error "the build defines QUADRELLE_VERSION"
#endif

namespace quadrelle::app {

QString aboutText(std::uint64_t gameNumber) {
    return QStringLiteral("<h3>Quadrelle!</h3><p>%1</p><p>%2</p><p>%3</p><p>%4</p>")
        .arg(QCoreApplication::translate("AboutBox", "Version %1").arg(QStringLiteral(QUADRELLE_VERSION)),
             QCoreApplication::translate("AboutBox", "A colour-reaction puzzle on a 6 × 6 board."),
             QCoreApplication::translate("AboutBox", "Game number %1").arg(gameNumber),
             QCoreApplication::translate("AboutBox", "Released under the MIT licence."));
}

QMessageBox* showAbout(QWidget* parent, std::uint64_t gameNumber) {
    auto* box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(QCoreApplication::translate("AboutBox", "About Quadrelle!"));
    box->setTextFormat(Qt::RichText);
    box->setText(aboutText(gameNumber));
    box->setStandardButtons(QMessageBox::Ok);
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull()) box->setIconPixmap(icon.pixmap(64, 64));
    box->open();
    return box;
}

} // namespace quadrelle::app
