// SPDX-License-Identifier: MIT
// The self-pipe behind ShutdownSignals.
#include "platform/ShutdownSignals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace quadrelle::app {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};
std::array<int, 2> g_sockets = {-1, -1};
// What each signal did before: restored at the end, and an inherited "ignore" (nohup) is kept.
std::array<struct sigaction, kSignals.size()> g_previous{};
std::array<bool, kSignals.size()> g_handled{};

extern "C" void onShutdownSignal(int signalNumber) {
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // write() is async-signal-safe; a full socket means a request is already pending.
    [[maybe_unused]] const ssize_t written = ::write(g_sockets[0], &byte, 1);
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_sockets.data()) != 0) {
        std::perror("quadrelle: socketpair");
        return;
    }
    notifier_ = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::readSignal);

    struct sigaction action {};
    action.sa_handler = onShutdownSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], nullptr, &g_previous[i]);
        g_handled[i] = g_previous[i].sa_handler != SIG_IGN;
        if (g_handled[i]) sigaction(kSignals[i], &action, nullptr);
    }
}

ShutdownSignals::~ShutdownSignals() {
    // The notifier must go before the socket it watches.
    delete notifier_;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (g_handled[i]) sigaction(kSignals[i], &g_previous[i], nullptr);
        g_handled[i] = false;
    }
    for (int& socket : g_sockets) {
        if (socket >= 0) ::close(socket);
        socket = -1;
    }
}

void ShutdownSignals::readSignal() {
    unsigned char byte = 0;
    if (::read(g_sockets[1], &byte, 1) == 1) emit shutdownRequested(byte);
}

} // namespace quadrelle::app
