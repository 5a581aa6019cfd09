// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/temporary_guard_platform.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace quentara {
namespace {

// Takes only signals that would end the process: one that is ignored or handled by someone
// else keeps its handling. Asked again for every file, as the handling may have changed.
void catchSignal(int signal, void (*handler)(int)) {
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0 || (previous.sa_flags & SA_SIGINFO) != 0 ||
        previous.sa_handler != SIG_DFL)
        return;
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
}

} // namespace

void removeGuardedFile(std::intptr_t folder, const GuardedPathChar* path) noexcept {
    ::unlinkat(static_cast<int>(folder), path, 0);
}

void catchEndingSignals(void (*handler)(int)) {
    for (const int signal : {
             SIGHUP,    SIGINT,  SIGQUIT,   SIGILL,  SIGTRAP, SIGABRT, SIGBUS,
             SIGFPE,    SIGUSR1, SIGSEGV,   SIGUSR2, SIGPIPE, SIGALRM, SIGTERM,
             SIGXCPU,   SIGXFSZ, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGSTKFLT
             SIGSTKFLT,
#endif
#ifdef SIGPOLL
             SIGPOLL,
#endif
#ifdef SIGPWR
             SIGPWR,
#endif
         })
        catchSignal(signal, handler);
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        catchSignal(signal, handler);
}

} // namespace quentara
