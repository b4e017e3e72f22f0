// SPDX-License-Identifier: MIT
// Choosing the language and loading its translators.
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quadrelle::app {

namespace {

// Loads one translation file and installs it; a missing file installs nothing.
bool installTranslator(QCoreApplication& application, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QString gameLanguageOf(const QLocale& locale) {
    for (const QString& name : locale.uiLanguages()) {
        switch (QLocale(name).language()) {
        case QLocale::German: return QStringLiteral("de");
        case QLocale::French: return QStringLiteral("fr");
        case QLocale::English:
        case QLocale::C: return {};
        default: break;
        }
    }
    return {};
}

QString installTranslations(QCoreApplication& application, const QLocale& locale) {
    const QString language = gameLanguageOf(locale);
    if (language.isEmpty()) return {};
    // The .qm files are compiled into the library's resources, registered at start-up.
    if (!installTranslator(application, QStringLiteral("quadrelle_") + language, QStringLiteral(":/i18n")))
        return {};
    installTranslator(application, QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

} // namespace quadrelle::app
