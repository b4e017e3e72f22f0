// SPDX-License-Identifier: MIT
// Runs every asset test class in one program, as if on a 2x screen, so that the
// resource tests can see the "@2x" pictures being chosen.
#include "IconTest.h"
#include "PicturesTest.h"
#include "RegenerationTest.h"
#include "ResourcesTest.h"
#include "SoundClipsTest.h"
#include "SymbolsTest.h"

#include <QGuiApplication>
#include <QTest>

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);

    int failures = 0;
    PicturesTest pictures;
    SymbolsTest symbols;
    IconTest icon;
    SoundClipsTest sounds;
    ResourcesTest resources;
    RegenerationTest regeneration;
    for (QObject* test :
         std::initializer_list<QObject*>{&pictures, &symbols, &icon, &sounds, &resources, &regeneration})
        failures += QTest::qExec(test, argc, argv);
    return failures == 0 ? 0 : 1;
}
