// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/SignalNotifier.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1}; // written by the signal handler, read in the loop

void onSignal(int signal) {
    const unsigned char number = static_cast<unsigned char>(signal);
    // Only write() is safe here; a full pipe just drops the repeat.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &number, 1);
}

} // namespace

SignalNotifier::SignalNotifier(std::function<void(int)> handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0) {
        return; // signals keep their default action
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char number = 0;
        if (::read(g_pipe[0], &number, 1) == 1) {
            m_handler(number);
        }
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

SignalNotifier::~SignalNotifier() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        std::signal(signal, SIG_DFL);
    }
}
