// Records what the game's sound player really plays. It starts a private PulseAudio daemon
// with a null sink "q" in a temporary folder, records the sink's monitor with parecord while
// quadrelle-sound-probe plays, and checks the recordings: the long clip alone sounds for more
// than a second; the long clip followed 300 ms later by the short one falls silent soon after
// the short clip ends, because the short clip cut the long one off. Exits 0 on success,
// 1 on failure, and 77 (skipped) when no daemon can be started here.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSkipped = 77;
constexpr int kRate = 11025;
constexpr int kWindowMs = 10;
constexpr int kWindowSamples = kRate * kWindowMs / 1000;
// Null-sink silence records as exact zeros; the clips are far louder than this.
constexpr double kSilenceRms = 100;

QString toolPath(const char* name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }

// Stops the daemon by its PID whatever way the check ends.
struct Daemon {
    QProcess process;
    ~Daemon() {
        if (process.state() == QProcess::NotRunning) return;
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
};

bool run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
         int timeoutMs = 5000) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    return process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

struct Loudness {
    std::vector<double> rms; // one value per 10 ms window
    int firstSound() const {
        for (std::size_t w = 0; w < rms.size(); ++w)
            if (rms[w] > kSilenceRms) return static_cast<int>(w) * kWindowMs;
        return -1;
    }
    int lastSound() const {
        for (std::size_t w = rms.size(); w-- > 0;)
            if (rms[w] > kSilenceRms) return static_cast<int>(w + 1) * kWindowMs;
        return -1;
    }
    double loudestBetween(int fromMs, int toMs) const {
        double loudest = 0;
        for (int ms = fromMs; ms < toMs; ms += kWindowMs) {
            const auto w = static_cast<std::size_t>(ms / kWindowMs);
            if (w < rms.size()) loudest = std::max(loudest, rms[w]);
        }
        return loudest;
    }
};

Loudness loudnessOf(const QByteArray& raw) {
    Loudness loudness;
    const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
    const qsizetype count = raw.size() / 2;
    for (qsizetype start = 0; start + kWindowSamples <= count; start += kWindowSamples) {
        double sum = 0;
        for (qsizetype i = start; i < start + kWindowSamples; ++i) sum += double(samples[i]) * samples[i];
        loudness.rms.push_back(std::sqrt(sum / kWindowSamples));
    }
    return loudness;
}

// Records the null sink while the probe plays the given clips; empty on failure.
QByteArray record(const QStringList& clips, const QString& probe, const QString& file,
                  const QProcessEnvironment& environment) {
    QProcess recorder;
    recorder.setProcessEnvironment(environment);
    recorder.setProcessChannelMode(QProcess::ForwardedChannels);
    recorder.start(toolPath("parecord"), {"--raw", "--device=q.monitor", "--latency-msec=20", "--format=s16le",
                                          "--rate=11025", "--channels=1", file});
    if (!recorder.waitForStarted(3000)) return {};
    QThread::msleep(300);
    const bool played = run(probe, clips, environment, 15000);
    QThread::msleep(300);
    recorder.terminate();
    if (!recorder.waitForFinished(3000)) recorder.kill();
    if (!played) {
        std::fprintf(stderr, "FAIL: quadrelle-sound-probe %s did not run\n", qPrintable(clips.join(' ')));
        return {};
    }
    QFile recording(file);
    return recording.open(QIODevice::ReadOnly) ? recording.readAll() : QByteArray();
}

int fail(const char* message, const Loudness& loudness) {
    std::fprintf(stderr, "FAIL: %s (sound from %d ms to %d ms)\n", message, loudness.firstSound(),
                 loudness.lastSound());
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: SoundClipsCheck PATH-TO-quadrelle-sound-probe\n");
        return 1;
    }
    const QString probe = QString::fromLocal8Bit(argv[1]);
    for (const char* tool : {"pulseaudio", "pactl", "parecord"}) {
        if (toolPath(tool).isEmpty()) {
            std::printf("SKIP: %s is not installed\n", tool);
            return kSkipped;
        }
    }

    QTemporaryDir dir;
    // The recordings (raw 16-bit mono at 11025 Hz) are kept for a look when asked for.
    dir.setAutoRemove(!qEnvironmentVariableIsSet("QUADRELLE_KEEP_RECORDINGS"));
    if (!dir.autoRemove()) std::printf("recordings in %s\n", qPrintable(dir.path()));
    const QString runtime = dir.filePath("run");
    const QString home = dir.filePath("home");
    QDir().mkpath(runtime);
    QDir().mkpath(home + "/.config");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/.config");
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("PULSE_RUNTIME_PATH", runtime);
    environment.insert("PULSE_SERVER", "unix:" + runtime + "/native");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("DISPLAY");
    environment.remove("DBUS_SESSION_BUS_ADDRESS");

    Daemon daemon;
    daemon.process.setProcessEnvironment(environment);
    daemon.process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    daemon.process.start(toolPath("pulseaudio"),
                         {"--daemonize=no", "--system=false", "--exit-idle-time=-1", "-n", "--log-level=error",
                          "--load=module-null-sink sink_name=q norewinds=1",
                          "--load=module-native-protocol-unix auth-anonymous=1 socket=" + runtime + "/native"});
    bool up = daemon.process.waitForStarted(3000);
    for (int tries = 0; up && tries < 50; ++tries) {
        if (run(toolPath("pactl"), {"info"}, environment)) break;
        up = daemon.process.state() == QProcess::Running && tries < 49;
        QThread::msleep(100);
    }
    if (!up) {
        std::printf("SKIP: no private PulseAudio daemon could be started here\n");
        return kSkipped;
    }
    if (!run(toolPath("pactl"), {"set-default-sink", "q"}, environment)) {
        std::printf("SKIP: the null sink could not be made the default\n");
        return kSkipped;
    }

    const Loudness alone = loudnessOf(record({"0"}, probe, dir.filePath("alone.raw"), environment));
    const int aloneStart = alone.firstSound();
    if (aloneStart < 0) return fail("the reaction clip alone left no sound in the recording", alone);
    if (alone.lastSound() - aloneStart < 1000) return fail("the reaction clip alone ended within a second", alone);
    std::printf("reaction clip alone: sound from %d ms to %d ms\n", aloneStart, alone.lastSound());

    const Loudness cut = loudnessOf(record({"0", "1"}, probe, dir.filePath("cut.raw"), environment));
    const int cutStart = cut.firstSound();
    if (cutStart < 0) return fail("the two clips left no sound in the recording", cut);
    if (cut.loudestBetween(cutStart + 250, cutStart + 650) <= kSilenceRms)
        return fail("no sound where the single-removal clip should play", cut);
    if (cut.lastSound() - cutStart > 750)
        return fail("the reaction clip went on after the single-removal clip ended", cut);
    std::printf("reaction clip cut off by the single-removal clip: sound from %d ms to %d ms\n", cutStart,
                cut.lastSound());
    std::printf("PASS\n");
    return 0;
}
