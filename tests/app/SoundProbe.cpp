// SPDX-License-Identifier: MIT
// quadrelle-sound-probe: plays the game's clips as the game does, through the sound module it
// loads from beside itself (the probe is built into the game's folder), for the recording
// checks. Each argument "N@MS" plays clip N at MS milliseconds after the start of its
// section; the argument "wait" lets the last clip end, prints "waiting" and starts a new section
// when a line arrives on standard input (the check restarts the sound server meanwhile). Every clip started
// is printed as "played N at MS", MS counted from the probe's start. The probe exits 1.8 s after the last
// clip, or at once with status 2 when the sound module does not load. The argument "off" lets the last
// clip end, then turns the game's sound switch off: the clips after it are asked for but must
// not sound.
#include "sound/ModuleSoundDevice.h"
#include "sound/SoundSwitch.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

using quadrelle::Clip;
using quadrelle::app::ModuleSoundDevice;
using quadrelle::play::SoundSwitch;

namespace {

constexpr int kTailMs = 1800;

class Probe : public QObject {
public:
    Probe(QStringList steps, quadrelle::play::SoundDevice& device)
        : steps_(std::move(steps)), switch_(device) {
        clock_.start();
    }

    void next() {
        if (steps_.isEmpty()) {
            QTimer::singleShot(kTailMs, qApp, &QGuiApplication::quit);
            return;
        }
        const QString step = steps_.takeFirst();
        if (step == QLatin1String("off")) {
            QTimer::singleShot(kTailMs, this, [this] {
                switch_.setOn(false);
                next();
            });
            return;
        }
        if (step == QLatin1String("wait")) {
            QTimer::singleShot(kTailMs, this, &Probe::waitForLine);
            return;
        }
        const int clip = step.section('@', 0, 0).toInt();
        const qint64 due = sectionStart_ + step.section('@', 1).toLongLong();
        QTimer::singleShot(std::max<qint64>(0, due - clock_.elapsed()), Qt::PreciseTimer, this, [this, clip] {
            switch_.play(static_cast<Clip>(clip));
            std::printf("played %d at %lld\n", clip, static_cast<long long>(clock_.elapsed()));
            std::fflush(stdout);
            next();
        });
    }

private:
    void waitForLine() {
        std::printf("waiting\n");
        std::fflush(stdout);
        stdin_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
        connect(stdin_, &QSocketNotifier::activated, this, [this] {
            char line[64];
            if (::read(STDIN_FILENO, line, sizeof line) < 0) return;
            stdin_->deleteLater();
            sectionStart_ = clock_.elapsed();
            next();
        });
    }

    QStringList steps_;
    SoundSwitch switch_;
    QElapsedTimer clock_;
    qint64 sectionStart_ = 0;
    QSocketNotifier* stdin_ = nullptr;
};

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    ModuleSoundDevice player(quadrelle::app::soundModulePaths());
    player.prepare(true);
    if (!player.isLoaded()) {
        std::fprintf(stderr, "quadrelle-sound-probe: the sound module did not load\n");
        return 2;
    }
    Probe probe(QGuiApplication::arguments().mid(1), player);
    probe.next();
    return QGuiApplication::exec();
}
