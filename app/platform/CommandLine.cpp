// SPDX-License-Identifier: MIT
// Both passes build the same QCommandLineParser. The first runs under a short-lived
// QCoreApplication, so `quadrelle --version` works without a display; a plain start skips it.
// Both speak the player's language: the first installs the translations itself, the second
// runs after main() has.
#include "platform/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "dialogs/GameNumberPrompt.h"
#include "platform/Translations.h"

namespace quadrelle::app {

namespace {

constexpr auto kContext = "CommandLine";

QString translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

constexpr auto kGameDescription = QT_TRANSLATE_NOOP(
    "CommandLine", "Play the game with this number: the same number deals the same boards.");
constexpr auto kGameValueName = QT_TRANSLATE_NOOP("CommandLine", "number");

const QCommandLineOption kGameOption(QStringList{QStringLiteral("g"), QStringLiteral("game")},
                                     QString::fromLatin1(kGameDescription),
                                     QString::fromLatin1(kGameValueName));

// The option with its texts in the player's language, made once the translations are in.
QCommandLineOption translatedGameOption() {
    QCommandLineOption option = kGameOption;
    option.setDescription(translated(kGameDescription));
    option.setValueName(translated(kGameValueName));
    return option;
}

// `what` is marked for translation in the context "CommandLine".
void complain(const char* what, const QString& text) {
    const QString message =
        translated(QT_TRANSLATE_NOOP("CommandLine", "quadrelle: %1 '%2'; see quadrelle --help"))
            .arg(translated(what), text.left(40));
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

[[noreturn]] void refuse(const char* what, const QString& text) {
    complain(what, text);
    std::exit(EXIT_FAILURE);
}

void describe(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("quadrelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUADRELLE_VERSION));
    parser.setApplicationDescription(translated(QT_TRANSLATE_NOOP(
        "CommandLine",
        "Quadrelle! - step the colours of squares to make rows of three.\n"
        "The high score and the start level are kept in $XDG_CONFIG_HOME/Chromafall/Chromafall.ini.")));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(translatedGameOption());
}

} // namespace

std::optional<int> answerWithoutWindow(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;
    int count = argc;
    QCoreApplication core(count, argv);
    installTranslations(core);
    QCommandLineParser parser;
    describe(parser);
    // Unknown options may be Qt's own; they are judged once QApplication has taken those.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return EXIT_SUCCESS;
    }
    // A wrong number is refused here, before a window system is needed to say so.
    if (parser.isSet(kGameOption) && !parseGameNumber(parser.value(kGameOption))) {
        complain("not a game number:", parser.value(kGameOption));
        return EXIT_FAILURE;
    }
    return std::nullopt;
}

std::optional<GameNumber> gameNumberArgument(const QCoreApplication& application) {
    QCommandLineParser parser;
    describe(parser);
    parser.process(application);
    if (!parser.positionalArguments().isEmpty())
        refuse(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument"),
               parser.positionalArguments().constFirst());
    if (!parser.isSet(kGameOption)) return std::nullopt;
    const QString text = parser.value(kGameOption);
    const auto number = parseGameNumber(text);
    if (!number) refuse(QT_TRANSLATE_NOOP("CommandLine", "not a game number:"), text);
    return number;
}

} // namespace quadrelle::app
