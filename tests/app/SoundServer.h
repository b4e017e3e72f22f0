// SPDX-License-Identifier: MIT
// A private sound server for the recording checks, in a temporary folder: PulseAudio, or
// PipeWire with its PulseAudio server, either with a null sink "q" as the default sink whose
// monitor parecord records. It can be restarted part-way, as a desktop's server may be.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace soundcheck {

enum class ServerKind { PulseAudio, PipeWire };

class SoundServer {
public:
    explicit SoundServer(ServerKind kind);
    ~SoundServer();

    // Empty when the server runs; otherwise why it could not be started (the check skips).
    QString start();
    void stop();
    // The environment that points programs at this server.
    const QProcessEnvironment& environment() const { return environment_; }

    void startRecording();
    // Raw signed 16-bit mono samples at 11025 Hz, from startRecording() until now.
    QByteArray stopRecording();

private:
    QProcess& launch(const QString& tool, const QStringList& arguments);
    bool startPipeWire();
    bool waitUntilAnswering();

    ServerKind kind_;
    QTemporaryDir dir_;
    QProcessEnvironment environment_;
    std::vector<std::unique_ptr<QProcess>> daemons_;
    qint64 dbusPid_ = 0;
    QProcess recorder_;
    int recordings_ = 0;
};

QString toolPath(const char* name);
bool run(const QString& tool, const QStringList& arguments, const QProcessEnvironment& environment);

} // namespace soundcheck
