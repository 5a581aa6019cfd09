// SPDX-License-Identifier: GPL-3.0-or-later
// The signals on Linux and other POSIX systems. std::signal would install its handler with
// SA_RESTART there, and a write blocked on a full pipe would go on blocking after Ctrl+C.
#include "app/stop_signals.h"

#include <csignal>
#include <iterator>
#include <signal.h>

namespace quentara {
namespace {

constexpr int stopSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void askToStop(int signal) {
    stopSignal = signal;
}

bool ignored(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_IGN;
}

} // namespace

struct StopOnSignals::Previous {
    struct sigaction actions[std::size(stopSignals)];
};

StopOnSignals::StopOnSignals() : previous_(std::make_unique<Previous>()) {
    stopSignal = 0;
    struct sigaction ask {};
    ask.sa_handler = askToStop;
    sigemptyset(&ask.sa_mask);
    ask.sa_flags = 0; // no SA_RESTART
    for (std::size_t i = 0; i < std::size(stopSignals); ++i) {
        sigaction(stopSignals[i], nullptr, &previous_->actions[i]);
        if (!ignored(previous_->actions[i]))
            sigaction(stopSignals[i], &ask, nullptr);
    }
}

StopOnSignals::~StopOnSignals() {
    for (std::size_t i = 0; i < std::size(stopSignals); ++i)
        sigaction(stopSignals[i], &previous_->actions[i], nullptr);
}

int StopOnSignals::caught() {
    return stopSignal;
}

} // namespace quentara
