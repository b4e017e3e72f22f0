// SPDX-License-Identifier: MIT
// A main() for the window tests: the settings go to a fresh temporary folder (through
// XDG_CONFIG_HOME, set before Qt first looks for it) and the window runs offscreen unless a
// platform is chosen.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#define QUADRELLE_TEST_MAIN(TestClass)                                                                       \
    int main(int argc, char* argv[]) {                                                                       \
        QTemporaryDir configHome;                                                                            \
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());                                         \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");          \
        QApplication application(argc, argv);                                                                \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
