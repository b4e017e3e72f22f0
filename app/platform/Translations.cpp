// SPDX-License-Identifier: MIT
// Choosing the language and installing its translators.
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "texts/Texts.h"

namespace quadrelle::app {

namespace {

// Qt's tr() answered from the play layer's catalogue, so the window and every other front end
// read one set of translations.
class CatalogueTranslator : public QTranslator {
public:
    CatalogueTranslator(play::Language language, QObject* parent) : QTranslator(parent), language_(language) {}

    QString translate(const char* context, const char* text, const char* comment, int) const override {
        if (!context || !text) return {};
        const std::string_view found = play::translate(language_, context, text, comment ? comment : "");
        // A null text tells Qt to keep the source text.
        if (found.data() == text) return {};
        return QString::fromUtf8(found.data(), static_cast<qsizetype>(found.size()));
    }
    bool isEmpty() const override { return false; }

private:
    play::Language language_;
};

// Loads one translation file and installs it; a missing file installs nothing.
bool installTranslator(QCoreApplication& application, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

play::Language chosenLanguage = play::Language::English;

play::Language languageOfLocale(const QLocale& locale) {
    std::vector<std::string> preferred;
    for (const QString& name : locale.uiLanguages()) preferred.push_back(name.toStdString());
    return play::languageOf(preferred);
}

// "de" or "fr", the files' language code; empty for English.
QString codeOf(play::Language language) {
    switch (language) {
    case play::Language::German: return QStringLiteral("de");
    case play::Language::French: return QStringLiteral("fr");
    case play::Language::English: break;
    }
    return {};
}

} // namespace

QString gameLanguageOf(const QLocale& locale) {
    return codeOf(languageOfLocale(locale));
}

QString installTranslations(QCoreApplication& application, const QLocale& locale) {
    chosenLanguage = languageOfLocale(locale);
    const QString language = codeOf(chosenLanguage);
    if (language.isEmpty()) return {};
    QCoreApplication::installTranslator(new CatalogueTranslator(chosenLanguage, &application));
    installTranslator(application, QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

play::Language gameLanguage() {
    return chosenLanguage;
}

} // namespace quadrelle::app
