// SPDX-License-Identifier: MIT
// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so that a
// request to quit from outside closes the window the ordinary way and the settings are saved.
// The signal handler only writes a byte to a socket pair; a QSocketNotifier reads it.
// A signal that the program was started with set to be ignored (nohup) stays ignored.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace quadrelle::app {

class ShutdownSignals : public QObject {
    Q_OBJECT

public:
    // Only one instance may exist at a time: the signal handler has one socket to write to.
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

signals:
    void shutdownRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace quadrelle::app
