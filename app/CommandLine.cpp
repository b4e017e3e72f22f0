// SPDX-License-Identifier: MIT
// Both passes build the same QCommandLineParser. The first runs under a short-lived
// QCoreApplication, so `quadrelle --version` works without a display; a plain start skips it.
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "GameNumberPrompt.h"

namespace quadrelle::app {

namespace {

const QCommandLineOption
    kGameOption(QStringList{QStringLiteral("g"), QStringLiteral("game")},
                QStringLiteral("Play the game with this number: the same number deals the same boards."),
                QStringLiteral("number"));

void complain(const char* what, const QString& text) {
    std::fprintf(stderr, "quadrelle: %s '%s'; see quadrelle --help\n", what, qPrintable(text.left(40)));
}

[[noreturn]] void refuse(const char* what, const QString& text) {
    complain(what, text);
    std::exit(EXIT_FAILURE);
}

void describe(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("quadrelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUADRELLE_VERSION));
    parser.setApplicationDescription(QStringLiteral(
        "Quadrelle! - step the colours of squares to make rows of three.\n"
        "The high score and the start level are kept in $XDG_CONFIG_HOME/Chromafall/Chromafall.ini."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kGameOption);
}

} // namespace

std::optional<int> answerWithoutWindow(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;
    int count = argc;
    const QCoreApplication core(count, argv);
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
        refuse("unexpected argument", parser.positionalArguments().constFirst());
    if (!parser.isSet(kGameOption)) return std::nullopt;
    const QString text = parser.value(kGameOption);
    const auto number = parseGameNumber(text);
    if (!number) refuse("not a game number:", text);
    return number;
}

} // namespace quadrelle::app
