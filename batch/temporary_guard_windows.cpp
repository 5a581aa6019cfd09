// SPDX-License-Identifier: GPL-3.0-or-later
// The signals of the C runtime: it has no sigaction.
#include "batch/temporary_guard_platform.h"

#include <csignal>
#include <io.h>

namespace quentara {
namespace {

// Takes only signals that would end the process: one that is ignored or handled by someone
// else keeps its handling. Asked again for every file, as the handling may have changed.
void catchSignal(int signal, void (*handler)(int)) {
    const auto previous = std::signal(signal, handler);
    if (previous != SIG_DFL && previous != SIG_ERR && previous != handler)
        std::signal(signal, previous);
}

} // namespace

void removeGuardedFile(std::intptr_t, const GuardedPathChar* path) noexcept {
    ::_wunlink(path);
}

void catchEndingSignals(void (*handler)(int)) {
    for (const int signal : {SIGTERM, SIGINT, SIGBREAK, SIGABRT, SIGFPE, SIGILL, SIGSEGV})
        catchSignal(signal, handler);
}

} // namespace quentara
