// quadrelle-sound-probe: plays the game's clips through the game's own QtSoundPlayer, for the
// recording test. "quadrelle-sound-probe 0" plays clip 0; "quadrelle-sound-probe 0 1" plays
// clip 0 and, 300 ms later, clip 1. It exits 1.8 s after the first clip starts, or at once
// with status 2 when the clips are missing.
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

#include "QtSoundPlayer.h"

using quadrelle::app::QtSoundPlayer;

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList clips = QGuiApplication::arguments().mid(1);
    QtSoundPlayer player;
    player.load();
    if (!player.isReady()) {
        std::fprintf(stderr, "quadrelle-sound-probe: the clips are missing\n");
        return 2;
    }
    for (int n = 0; n < clips.size(); ++n)
        QTimer::singleShot(300 * n, &player, [&player, clip = clips[n].toInt()] { player.PlaySoundRes(clip); });
    QTimer::singleShot(1800, &application, &QGuiApplication::quit);
    return QGuiApplication::exec();
}
