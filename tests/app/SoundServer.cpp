// SPDX-License-Identifier: MIT
// Starting, stopping and recording a private PulseAudio or PipeWire server.
#include "SoundServer.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <csignal>

namespace soundcheck {

QString toolPath(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

bool run(const QString& tool, const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    // pactl complains at every try while the server is starting: not worth a line.
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(tool, arguments);
    return process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

namespace {

void end(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

} // namespace

SoundServer::SoundServer(ServerKind kind) : kind_(kind) {
    // The recordings are kept for a look when asked for.
    dir_.setAutoRemove(!qEnvironmentVariableIsSet("QUADRELLE_KEEP_RECORDINGS"));
    const QString runtime = dir_.filePath("run");
    const QString home = dir_.filePath("home");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(home + "/.config");
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("HOME", home);
    environment_.insert("XDG_CONFIG_HOME", home + "/.config");
    environment_.insert("XDG_RUNTIME_DIR", runtime);
    environment_.insert("PULSE_RUNTIME_PATH", runtime);
    // pipewire-pulse too puts its socket there.
    environment_.insert("PULSE_SERVER", "unix:" + runtime + "/native");
    environment_.insert("QT_QPA_PLATFORM", "offscreen");
    environment_.remove("DISPLAY");
    environment_.remove("DBUS_SESSION_BUS_ADDRESS");
}

SoundServer::~SoundServer() {
    end(recorder_);
    stop();
}

QProcess& SoundServer::launch(const QString& tool, const QStringList& arguments) {
    daemons_.push_back(std::make_unique<QProcess>());
    QProcess& process = *daemons_.back();
    process.setProcessEnvironment(environment_);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(dir_.filePath("server.log"), QIODevice::Append);
    process.start(tool, arguments);
    return process;
}

bool SoundServer::startPipeWire() {
    QProcess dbus;
    dbus.setProcessEnvironment(environment_);
    dbus.start(toolPath("dbus-daemon"), {"--session", "--fork", "--print-address=1", "--print-pid=1"});
    if (!dbus.waitForFinished(5000) || dbus.exitCode() != 0) return false;
    const QList<QByteArray> lines = dbus.readAllStandardOutput().split('\n');
    if (lines.size() < 2) return false;
    environment_.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromLatin1(lines[0]));
    dbusPid_ = lines[1].toLongLong();
    launch(toolPath("pipewire"), {});
    QThread::msleep(500);
    launch(toolPath("wireplumber"), {});
    launch(toolPath("pipewire-pulse"), {});
    return waitUntilAnswering() &&
           run(toolPath("pactl"), {"load-module", "module-null-sink", "sink_name=q"}, environment_);
}

bool SoundServer::waitUntilAnswering() {
    for (int tries = 0; tries < 50; ++tries) {
        if (run(toolPath("pactl"), {"info"}, environment_)) return true;
        QThread::msleep(100);
    }
    return false;
}

QString SoundServer::start() {
    const bool pipeWire = kind_ == ServerKind::PipeWire;
    const std::vector<const char*> tools =
        pipeWire ? std::vector<const char*>{"pipewire",    "pipewire-pulse", "wireplumber",
                                            "dbus-daemon", "pactl",          "parecord"}
                 : std::vector<const char*>{"pulseaudio", "pactl", "parecord"};
    for (const char* tool : tools)
        if (toolPath(tool).isEmpty()) return QStringLiteral("%1 is not installed").arg(tool);
    bool up = false;
    if (pipeWire) {
        up = startPipeWire();
    } else {
        const QString socket = environment_.value("PULSE_SERVER").mid(5);
        launch(toolPath("pulseaudio"),
               {"--daemonize=no", "--system=false", "--exit-idle-time=-1", "-n", "--log-level=error",
                "--load=module-null-sink sink_name=q norewinds=1",
                "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        up = waitUntilAnswering();
    }
    // A sink that has just appeared is not always accepted as the default at once.
    for (int tries = 0; up && tries < 10; ++tries) {
        if (!run(toolPath("pactl"), {"set-default-sink", "q"}, environment_)) {
            QThread::msleep(200);
            continue;
        }
        // WirePlumber goes on setting up for a while; streams opened meanwhile may be moved.
        if (pipeWire) QThread::msleep(1500);
        return {};
    }
    return QStringLiteral("no private %1 server with a null sink could be started here")
        .arg(pipeWire ? "PipeWire" : "PulseAudio");
}

void SoundServer::stop() {
    // The last started first: pipewire-pulse before the graph it serves.
    for (auto it = daemons_.rbegin(); it != daemons_.rend(); ++it) end(**it);
    daemons_.clear();
    if (dbusPid_ > 0) ::kill(pid_t(dbusPid_), SIGTERM);
    dbusPid_ = 0;
}

void SoundServer::startRecording() {
    const QString file = dir_.filePath(QStringLiteral("recording-%1.raw").arg(++recordings_));
    recorder_.setProcessEnvironment(environment_);
    recorder_.setProcessChannelMode(QProcess::ForwardedChannels);
    recorder_.start(toolPath("parecord"), {"--raw", "--device=q.monitor", "--latency-msec=20",
                                           "--format=s16le", "--rate=11025", "--channels=1", file});
    recorder_.waitForStarted(3000);
    QThread::msleep(300);
}

QByteArray SoundServer::stopRecording() {
    QThread::msleep(300);
    const QString file = recorder_.arguments().constLast();
    end(recorder_);
    QFile recording(file);
    return recording.open(QIODevice::ReadOnly) ? recording.readAll() : QByteArray();
}

} // namespace soundcheck
