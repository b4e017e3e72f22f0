// SPDX-License-Identifier: MIT
// The languages the game speaks besides its designed English: German and French, chosen from
// the system locale. Our texts come from the translations compiled into the program; Qt's own
// (the message box's buttons, key names) from Qt's translation folder when it is installed.
#pragma once

#include <QLocale>
#include <QString>

#include "texts/Texts.h"

class QCoreApplication;

namespace quadrelle::app {

// "de", "fr", or empty for the designed English texts: the first of the locale's languages
// that is German, French, English or C decides, so "es:de" reads German and "en:de" English.
QString gameLanguageOf(const QLocale& locale);

// Installs the translators for the locale's game language, owned by the application, and
// returns that language; empty, with nothing installed, for the designed English texts.
QString installTranslations(QCoreApplication& application, const QLocale& locale = QLocale::system());

// The language the last installTranslations chose, for the texts the play layer makes.
play::Language gameLanguage();

} // namespace quadrelle::app
