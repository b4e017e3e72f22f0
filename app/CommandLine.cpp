// SPDX-License-Identifier: MIT
// Both passes build the same QCommandLineParser. The first runs under a short-lived
// QCoreApplication, so `quadrelle --version` works without a display; a plain start skips it.
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace quadrelle::app {

namespace {

void describe(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("quadrelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUADRELLE_VERSION));
    parser.setApplicationDescription(QStringLiteral(
        "Quadrelle! - step the colours of squares to make rows of three.\n"
        "The high score and the start level are kept in $XDG_CONFIG_HOME/Chromafall/Chromafall.ini."));
    parser.addHelpOption();
    parser.addVersionOption();
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
    return std::nullopt;
}

void rejectUnknownArguments(const QCoreApplication& application) {
    QCommandLineParser parser;
    describe(parser);
    parser.process(application);
    if (parser.positionalArguments().isEmpty()) return;
    std::fprintf(stderr, "quadrelle: unexpected argument '%s'; see quadrelle --help\n",
                 qPrintable(parser.positionalArguments().constFirst()));
    std::exit(EXIT_FAILURE);
}

} // namespace quadrelle::app
