// SPDX-License-Identifier: MIT
// quadrelle: the game window. Closing the window, a quit signal (SIGTERM, SIGINT, SIGHUP, where
// the system has them) and the end of the desktop session all end the program through the
// window's unload, so the high score and the start level are saved. `quadrelle --help` and
// `--version` answer without opening a window.
#include <QApplication>
#include <QIcon>
#include <QSessionManager>

#include "platform/CommandLine.h"
#include "window/FirstFrame.h"
#include "window/Tessarin.h"
#include "window/WindowIcon.h"
#include "platform/Translations.h"
#include "platform/ShutdownRequests.h"
#include "settings/QtSettingsStorage.h"
#include "sound/SoundBackEnd.h"

using namespace quadrelle::app;

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = answerWithoutWindow(argc, argv)) return *exitCode;
    QApplication application(argc, argv);
    installTranslations(application);
    const std::optional<quadrelle::GameNumber> firstGame = gameNumberArgument(application);
    QApplication::setDesktopFileName(QStringLiteral("io.github.quadrelle.Quadrelle"));

    QtSettingsStorage settings;
    const std::unique_ptr<quadrelle::play::SoundDevice> sound = makeSoundDevice();
    Tessarin window(settings, *sound, firstGame);

    onShutdownRequests(window, [&window] {
        // An open message box would keep the program running after the window closed.
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        window.close();
    });
    // Qt advises saving, not quitting, when the session asks; the session ends us later.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.saveSettings(); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &window, &Tessarin::unload);

    // Loading the sound and opening its device wait for the first frame too, which they would
    // delay otherwise.
    afterFirstFrame(window, [&window] {
        const QIcon icon = windowIconFromResources();
        window.setWindowIcon(icon);
        QApplication::setWindowIcon(icon);
        window.prepareSound();
    });
    window.show();
    return QApplication::exec();
}
