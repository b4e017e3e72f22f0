// SPDX-License-Identifier: MIT
// The game in the player's language. ctest runs this program once per locale (LANG and
// LANGUAGE set, QUADRELLE_TEST_LANGUAGE naming the language the run must read): the window's
// captions, the help, the spoken square names and Qt's own buttons are German or French, and
// in English or C every designed caption and font is exactly as designed. Every translated
// caption fits its control, the .ts files hold a finished translation of every text, and the
// desktop entry and the metainfo carry both languages.
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "window/AccessibleNames.h"
#include "window/ControlLayout.h"
#include "window/FitText.h"
#include "dialogs/HelpWindow.h"
#include "window/NewGameButton.h"
#include "TestMain.h"
#include "TestWindow.h"
#include "platform/Translations.h"
#include "screen/SquareNames.h"

using namespace quadrelle;
using namespace quadrelle::app;
using namespace quadrelle::app::testing;

namespace {

struct Texts {
    const char* english;
    const char* german;
    const char* french;
};

QString textIn(const QString& language, const Texts& texts) {
    if (language == QLatin1String("de")) return QString::fromUtf8(texts.german);
    if (language == QLatin1String("fr")) return QString::fromUtf8(texts.french);
    return QString::fromUtf8(texts.english);
}

// The designed captions that are translated, by control.
const std::pair<const char*, Texts> kCaptions[] = {
    {"LabelComboT", {" Combo x", " Kombo x", " Combo x"}},
    {"Label3", {"Score", "Punkte", "Score"}},
    {"Hiscore", {"Hiscore", "Rekord", "Record"}},
    {"Label2", {"Level", "Stufe", "Niveau"}},
    {"Label6", {"Left", "Rest", "Reste"}},
    {"LabelRemoves1", {"Erasers", "Radierer", "Gommes"}},
    {"Command1", {"New Game", "Neues Spiel", "Nouvelle partie"}},
    // A soft hyphen lets the German word break in its narrow label.
    {"Label1", {"Start level", "Start\u00adstufe", "Départ"}},
    {"LabelGameOver", {"Game Over", "Spielende", "Partie finie"}},
    {"Label4",
     {kCreditLine, "Quadrelle! - Farben ändern, drei in eine Reihe",
      "Quadrelle! - changez de couleur, alignez trois"}},
};

const ControlDesign& designOf(std::string_view name) {
    const auto table = controlTable();
    return *std::find_if(table.begin(), table.end(),
                         [name](const ControlDesign& d) { return d.name == name; });
}

// The names of the captions that share one size with this one, itself among them.
std::vector<std::string_view> groupOf(std::string_view name) {
    for (const CaptionGroup group : captionGroups())
        if (std::find(group.begin(), group.end(), name) != group.end()) return {group.begin(), group.end()};
    return {name};
}

// The box the caption is drawn in: the label, or the button's contents.
QSize captionBox(QWidget* control) {
    if (auto* button = qobject_cast<NewGameButton*>(control)) return button->captionRect().size();
    return control->size();
}

QString captionOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return qobject_cast<QAbstractButton*>(control)->text();
}

// Each <message> of a .ts file: its source, its translation and the translation's type.
struct TsMessage {
    QString source;
    QString translation;
    QString type;
};

QList<TsMessage> readTsFile(const QString& path, QString* language) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<TsMessage> messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("TS")) *language = xml.attributes().value("language").toString();
        if (xml.name() == QLatin1String("message")) messages.append(TsMessage{});
        if (xml.name() == QLatin1String("source")) messages.last().source = xml.readElementText();
        if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value("type").toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<TsMessage>{} : messages;
}

QStringList placeholdersOf(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

    QString language_;

private slots:
    void initTestCase() {
        writeSettings({});
        language_ = installTranslations(*QCoreApplication::instance());
        QCOMPARE(language_, qEnvironmentVariable("QUADRELLE_TEST_LANGUAGE"));
    }

    void captionsAreInTheLanguageOfTheLocale_data() {
        QTest::addColumn<QString>("caption");
        for (const auto& [name, texts] : kCaptions) QTest::newRow(name) << textIn(language_, texts);
    }

    void captionsAreInTheLanguageOfTheLocale() {
        QFETCH(QString, caption);
        TestWindow w;
        QWidget* control = w.control(QTest::currentDataTag());
        QVERIFY(control);
        QCOMPARE(captionOf(control), caption);
    }

    void inEnglishEveryDesignedCaptionAndFontIsExactlyAsDesigned() {
        if (!language_.isEmpty()) QSKIP("a translated run");
        TestWindow w;
        QCOMPARE(w->windowTitle(), QStringLiteral("Quadrelle!"));
        QCOMPARE(w.spinner()->accessibleName(), QStringLiteral("Start level"));
        for (const ControlDesign& design : controlTable()) {
            if (design.kind == ControlKind::ScrollBar || *design.caption == '\0') continue;
            QWidget* control = w.control(design.name);
            QCOMPARE(captionOf(control), QString::fromUtf8(design.caption));
            QCOMPARE(control->font().pixelSize(), pixelSizeOf(design.font));
        }
    }

    void everyTranslatedCaptionFitsItsControl() {
        if (language_.isEmpty()) QSKIP("the designed English keeps its designed fonts");
        TestWindow w;
        for (const auto& [name, texts] : kCaptions) {
            const ControlDesign& design = designOf(name);
            QWidget* control = w.control(name);
            const QString caption = captionOf(control);
            QVERIFY2(textFits(control->font(), caption, captionBox(control), design.wordWrap), name);
            // Shrunk only as far as the tightest caption of its group needs, and never grown.
            const int pixels = control->font().pixelSize();
            QVERIFY2(pixels <= pixelSizeOf(design.font), name);
            if (pixels < pixelSizeOf(design.font)) {
                const auto overflowsWhenLarger = [&](std::string_view member) {
                    QWidget* other = w.control(member.data());
                    QFont larger = other->font();
                    larger.setPixelSize(pixels + 1);
                    return !textFits(larger, captionOf(other), captionBox(other), designOf(member).wordWrap);
                };
                const auto group = groupOf(name);
                QVERIFY2(std::any_of(group.begin(), group.end(), overflowsWhenLarger), name);
            }
        }
    }

    // A caption that had to shrink does not stand out smaller than those beside it.
    void captionsOfAGroupShareOneSize() {
        TestWindow w;
        for (const CaptionGroup group : captionGroups()) {
            const int pixels = w.control(group.front())->font().pixelSize();
            for (const char* name : group) QCOMPARE(w.control(name)->font().pixelSize(), pixels);
        }
    }

    void theHelpIsInTheLanguageOfTheLocale() {
        HelpWindow help;
        QCOMPARE(help.windowTitle(), textIn(language_, {"How to play", "Spielanleitung", "Comment jouer"}));
        const QString heading = textIn(language_, {"Five colours", "Fünf Farben", "Cinq couleurs"});
        QStringList texts;
        for (const QLabel* label : help.findChildren<QLabel*>()) texts.append(label->text());
        QVERIFY(texts.join(QLatin1Char('\n')).contains(QStringLiteral("<b>%1</b>").arg(heading)));
    }

    void squaresAreSpokenInTheLanguageOfTheLocale() {
        const Square square{Kind::K2updown, Picture::Sq2updown, true};
        QCOMPARE(QString::fromStdString(play::squareName(square, gameLanguage())),
                 textIn(language_,
                        {"yellow, arrows up and down, marked", "gelb, Pfeile nach oben und unten, markiert",
                         "jaune, flèches vers le haut et vers le bas, marqué"}));
        QCOMPARE(accessiblePlaceOf(13),
                 textIn(language_, {"row 3, column 2", "Zeile 3, Spalte 2", "ligne 3, colonne 2"}));
    }

    // The clear-hiscore question's own title and text, and Qt's Yes, No and Cancel.
    void theMessageBoxSpeaksTheLanguageOfTheLocale() {
        TestWindow w;
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(),
                     textIn(language_, {"Clear Hiscore", "Rekord löschen", "Effacer le record"}));
            QCOMPARE(box->text(), textIn(language_, {"Do you really want to clear the hiscore?",
                                                     "Willst du den Rekord wirklich löschen?",
                                                     "Voulez-vous vraiment effacer le record\u00a0?"}));
            if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
                QCOMPARE(box->button(QMessageBox::No)->text(), textIn(language_, {"&No", "&Nein", "&Non"}));
            box->reject();
        });
        QTest::mouseClick(w.label("LabelClr"), Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void theLanguageIsTheFirstOfTheLocaleThatTheGameKnows_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de_DE"
                                << "de";
        QTest::newRow("Swiss German") << "de_CH"
                                      << "de";
        QTest::newRow("French") << "fr_FR"
                                << "fr";
        QTest::newRow("Canadian French") << "fr_CA"
                                         << "fr";
        QTest::newRow("British English") << "en_GB"
                                         << "";
        QTest::newRow("C") << "C"
                           << "";
        QTest::newRow("Spanish") << "es_ES"
                                 << "";
        QTest::newRow("Japanese") << "ja_JP"
                                  << "";
    }

    void theLanguageIsTheFirstOfTheLocaleThatTheGameKnows() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QCOMPARE(gameLanguageOf(QLocale(locale)), language);
    }

    void everyTextHasAFinishedTranslationKeepingItsPlaceholders_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }

    void everyTextHasAFinishedTranslationKeepingItsPlaceholders() {
        QFETCH(QString, language);
        QString fileLanguage;
        const QList<TsMessage> messages = readTsFile(
            QStringLiteral(QUADRELLE_TRANSLATIONS_DIR "/quadrelle_%1.ts").arg(language), &fileLanguage);
        QVERIFY(!messages.isEmpty());
        QCOMPARE(fileLanguage, language);
        for (const TsMessage& message : messages) {
            QVERIFY2(message.type.isEmpty(), qPrintable(message.type + ": " + message.source));
            QVERIFY2(!message.translation.trimmed().isEmpty(), qPrintable(message.source));
            QCOMPARE(placeholdersOf(message.translation), placeholdersOf(message.source));
        }
    }

    void theDesktopEntryAndMetainfoCarryBothLanguages_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }

    void theDesktopEntryAndMetainfoCarryBothLanguages() {
        QFETCH(QString, language);
        QFile desktop(QStringLiteral(QUADRELLE_DESKTOP_DIR "/io.github.quadrelle.Quadrelle.desktop"));
        QVERIFY(desktop.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString entry = QString::fromUtf8(desktop.readAll());
        for (const char* key : {"Name", "GenericName", "Comment", "Keywords"}) {
            const QRegularExpression line(QStringLiteral("^%1\\[%2\\]=\\S").arg(QLatin1String(key), language),
                                          QRegularExpression::MultilineOption);
            QVERIFY2(entry.contains(line), key);
        }
        QFile metainfo(QStringLiteral(QUADRELLE_DESKTOP_DIR "/io.github.quadrelle.Quadrelle.metainfo.xml"));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        QStringList translated;
        QXmlStreamReader xml(&metainfo);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.attributes().value("xml:lang") == language) translated.append(xml.name().toString());
        }
        QVERIFY(!xml.hasError());
        QVERIFY(translated.contains("name"));
        QVERIFY(translated.contains("summary"));
        QCOMPARE(translated.count("p"), 2);
    }
};

QUADRELLE_TEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
