// SPDX-License-Identifier: GPL-3.0-or-later
// The signals on Windows, through the C runtime: it has no sigaction.
#include "app/stop_signals.h"

#include <csignal>
#include <iterator>

namespace quentara {
namespace {

constexpr int stopSignals[] = {SIGINT, SIGTERM};

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void askToStop(int signal) {
    stopSignal = signal;
}

} // namespace

struct StopOnSignals::Previous {
    using Handler = void (*)(int);
    Handler handlers[std::size(stopSignals)] = {};
};

StopOnSignals::StopOnSignals() : previous_(std::make_unique<Previous>()) {
    stopSignal = 0;
    for (std::size_t i = 0; i < std::size(stopSignals); ++i) {
        previous_->handlers[i] = std::signal(stopSignals[i], askToStop);
        if (previous_->handlers[i] == SIG_IGN) // started with it ignored: keep it so
            std::signal(stopSignals[i], SIG_IGN);
    }
}

StopOnSignals::~StopOnSignals() {
    for (std::size_t i = 0; i < std::size(stopSignals); ++i) {
        const Previous::Handler handler = previous_->handlers[i];
        std::signal(stopSignals[i], handler == SIG_ERR ? SIG_DFL : handler);
    }
}

int StopOnSignals::caught() {
    return stopSignal;
}

} // namespace quentara
