// SPDX-License-Identifier: MIT
// Records what the game's sound player really plays over a long game. On a private sound server
// (PulseAudio, or PipeWire's PulseAudio server) quadrelle-sound-probe plays 40 clips, long and
// short mixed, some 100 ms apart so that each cuts off the one before and some far apart; then
// the server is restarted and 10 more clips follow. Every clip must be found in the recording of
// the null sink's monitor where it was started, sounding as long as it should up to its cut-off,
// with silence after it. "none" instead runs the probe with no server: it must end in time,
// silent, with one line on stderr. "muted" plays a clip, turns the game's sound switch off and
// asks for three more: the recording must hold the first and silence after. Exits 0 on success, 1 on failure,
// 77 (skipped) when no server can be started here.
#include "ClipFinder.h"
#include "platform/Resources.h"
#include "SoundServer.h"
#include "sound/SoundClips.h"
#include "sound/WaveClip.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

using namespace soundcheck;

namespace {

constexpr int kSkipped = 77;
// The other clip in its place mismatches by 0.42 or more; a busy server that drops one 10 ms
// window of a short clip costs it up to 0.27.
constexpr double kMostMismatch = 0.33;
constexpr int kLengthToleranceMs = 30;
constexpr int kOnsetToleranceMs = 40;

// Clip and pause before it: cut-offs of every pair of clips 100 ms in, and clips that end freely.
constexpr int kBlock[][2] = {{0, 0},   {1, 300}, {0, 1800}, {0, 100}, {1, 100},
                             {1, 100}, {0, 100}, {1, 1700}, {1, 400}, {0, 400}};
constexpr int kBlockPauseMs = 1800;

QStringList schedule(int blocks) {
    QStringList steps;
    long long at = 0;
    for (int b = 0; b < blocks; ++b) {
        for (const auto& [clip, pause] : kBlock) {
            at += pause;
            steps << QStringLiteral("%1@%2").arg(clip).arg(at);
        }
        at += kBlockPauseMs;
    }
    return steps;
}

std::vector<std::vector<double>> gameClips() {
    using namespace quadrelle::app;
    registerResources();
    std::vector<std::vector<double>> clips;
    for (int n = 0; n < kClipCount; ++n) {
        QFile file(clipResourcePath(n));
        const auto clip = file.open(QIODevice::ReadOnly) ? parseWave(file.readAll()) : std::nullopt;
        std::vector<double>& samples = clips.emplace_back();
        if (clip)
            for (char byte : clip->samples) samples.push_back((std::uint8_t(byte) - 128) * 256.0);
    }
    return clips;
}

// The probe's "played" lines, one list per section.
std::vector<std::vector<Played>> sectionsOf(const QByteArray& output) {
    static const QRegularExpression line("^played (\\d+) at (\\d+)$");
    std::vector<std::vector<Played>> sections(1);
    for (const QByteArray& text : output.split('\n')) {
        if (text == "waiting") sections.emplace_back();
        const auto match = line.match(QString::fromLatin1(text));
        if (match.hasMatch())
            sections.back().push_back({match.captured(1).toInt(), match.captured(2).toLongLong()});
    }
    return sections;
}

int failures(const char* title, const std::vector<Played>& played, const std::vector<Found>& found) {
    std::printf("%s: %zu clips played\n", title, played.size());
    if (found.size() != played.size()) {
        std::printf("FAIL: the first clip is not in the recording\n");
        return int(played.size());
    }
    int failed = 0;
    for (std::size_t i = 0; i < played.size(); ++i) {
        const Found& f = found[i];
        const bool ok = f.mismatch <= kMostMismatch &&
                        std::abs(f.soundingMs - f.expectedMs) <= kLengthToleranceMs &&
                        (f.afterSilence || std::abs(f.lagMs) <= kOnsetToleranceMs) && f.silentAfter;
        failed += ok ? 0 : 1;
        std::printf("%s clip %2zu (%d) at %6lld ms: onset %+4d ms, sounds %4d ms of %4d, mismatch %.2f%s\n",
                    ok ? "  " : "FAIL", i, played[i].clip, played[i].atMs, f.lagMs, f.soundingMs,
                    f.expectedMs, f.mismatch, f.silentAfter ? "" : ", not silent after it");
    }
    return failed;
}

int checkWithoutServer(const QString& probe) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PULSE_SERVER", "unix:/nonexistent/quadrelle-test/native");
    // Without it Qt itself has a line to say.
    const QTemporaryDir runtime;
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    process.setProcessEnvironment(environment);
    process.start(probe, {"0@0", "1@100", "0@300", "1@600", "0@700"});
    if (!process.waitForFinished(15000)) {
        process.kill();
        std::printf("FAIL: the probe hung without a sound server\n");
        return 1;
    }
    const QByteArray errors = process.readAllStandardError();
    std::printf("stderr without a server:\n%s", errors.constData());
    if (process.exitCode() != 0 || errors.count('\n') != 1) {
        std::printf("FAIL: wanted exit 0 and one line on stderr\n");
        return 1;
    }
    std::printf("PASS\n");
    return 0;
}

// The loudest sample of the 16-bit mono recording between two times.
int peakBetween(const QByteArray& recording, int fromMs, int toMs) {
    const auto* samples = reinterpret_cast<const std::int16_t*>(recording.constData());
    const qsizetype count = recording.size() / 2;
    int peak = 0;
    for (qsizetype i = qsizetype(fromMs) * 11025 / 1000;
         i < std::min<qsizetype>(count, qsizetype(toMs) * 11025 / 1000); ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

int checkSwitchedOff(SoundServer& server, const QString& probePath) {
    QProcess probe;
    probe.setProcessEnvironment(server.environment());
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.startRecording();
    probe.start(probePath, {"0@0", "off", "0@2500", "1@2800", "0@3100"});
    const bool ended = probe.waitForFinished(20000);
    const QByteArray recording = server.stopRecording();
    const int before = peakBetween(recording, 0, 2200);
    const int after = peakBetween(recording, 2400, 60000);
    std::printf("loudest before the switch %d, after it %d\n", before, after);
    if (!ended || probe.exitCode() != 0 || before < 2000 || after > 300) {
        std::printf("FAIL: wanted the first clip and then silence\n");
        return 1;
    }
    std::printf("PASS\n");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 ||
        !QStringList{"pulseaudio", "pipewire", "none", "muted"}.contains(arguments[1])) {
        std::fprintf(
            stderr,
            "usage: SoundRecordingCheck pulseaudio|pipewire|none|muted PATH-TO-quadrelle-sound-probe\n");
        return 1;
    }
    const QString& probePath = arguments[2];
    if (arguments[1] == "none") return checkWithoutServer(probePath);

    SoundServer server(arguments[1] == "pipewire" ? ServerKind::PipeWire : ServerKind::PulseAudio);
    if (const QString why = server.start(); !why.isEmpty()) {
        std::printf("SKIP: %s\n", qPrintable(why));
        return kSkipped;
    }
    if (arguments[1] == "muted") return checkSwitchedOff(server, probePath);
    QProcess probe;
    probe.setProcessEnvironment(server.environment());
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.startRecording();
    probe.start(probePath, schedule(4) << "wait" << schedule(1));
    QByteArray output;
    std::vector<QByteArray> recordings;
    bool restarted = false;
    while (probe.waitForReadyRead(20000)) {
        output += probe.readAllStandardOutput();
        if (restarted || !output.contains("waiting\n")) continue;
        restarted = true;
        recordings.push_back(server.stopRecording());
        server.stop();
        if (const QString why = server.start(); !why.isEmpty()) {
            std::printf("FAIL: the server did not start again: %s\n", qPrintable(why));
            return 1;
        }
        server.startRecording();
        probe.write("go\n");
    }
    probe.waitForFinished(5000);
    output += probe.readAllStandardOutput();
    recordings.push_back(server.stopRecording());
    if (qEnvironmentVariableIsSet("QUADRELLE_KEEP_RECORDINGS")) std::printf("%s", output.constData());
    const auto sections = sectionsOf(output);
    if (probe.exitCode() != 0 || sections.size() != 2 || recordings.size() != 2) {
        std::printf("FAIL: the probe did not play both parts (exit %d)\n", probe.exitCode());
        return 1;
    }

    const ClipFinder finder(gameClips());
    const int failed = failures("before the restart", sections[0], finder.find(recordings[0], sections[0])) +
                       failures("after the restart", sections[1], finder.find(recordings[1], sections[1]));
    std::printf(failed ? "FAIL: %d clips not found as played\n" : "PASS\n", failed);
    return failed ? 1 : 0;
}
