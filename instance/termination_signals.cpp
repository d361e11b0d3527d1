#include "termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <cstdlib>

namespace conteggo {

namespace {

constexpr std::array kTerminationSignals{SIGTERM, SIGINT, SIGHUP};

int pipeEnds[2] = {-1, -1};  // written by the handler, read by the event loop
volatile std::sig_atomic_t lastSignal = 0;

void onSignal(int signal) {
    lastSignal = signal;
    const char byte = 1;
    // Only async-signal-safe work here; a full pipe means a close is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

}  // namespace

void catchTerminationSignals() {
    if (pipeEnds[0] >= 0) {
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pipeEnds) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return;  // the default dispositions stay: a signal still ends the program
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kTerminationSignals) {
        sigaction(signal, &action, nullptr);
    }
}

bool terminationRequested() {
    return lastSignal != 0;
}

void endAsSignalled() {
    const int signal = lastSignal != 0 ? lastSignal : SIGTERM;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);  // should the signal be blocked
}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    catchTerminationSignals();
    if (pipeEnds[1] < 0) {
        return;
    }
    // A byte written before this point is still in the pipe: the notifier reports it as soon as
    // the event loop runs.
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (::read(pipeEnds[1], buffer, sizeof buffer) > 0) {
        }
        emit received();
    });
}

TerminationSignals::~TerminationSignals() {
    if (pipeEnds[0] < 0) {
        return;
    }
    for (int signal : kTerminationSignals) {
        std::signal(signal, SIG_DFL);
    }
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

}  // namespace conteggo
