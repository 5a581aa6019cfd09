// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/temporary_guard.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quentara {
namespace {

#ifdef _WIN32
using PathChar = wchar_t;
#else
using PathChar = char;
#endif

// Everything the signal handler touches is allocated before any file is made, and the
// handler uses only calls that are safe in a signal handler (unlink, signal, raise).
constexpr int slotCount = 4;
constexpr std::size_t slotLength = 4096; // the longest path the system opens, with its end
enum SlotState : int { freeSlot, filling, armed };

PathChar slotPaths[slotCount][slotLength];
std::intptr_t slotFolders[slotCount];
std::atomic<int> slotStates[slotCount];
static_assert(std::atomic<int>::is_always_lock_free, "used from a signal handler");

std::size_t length(const PathChar* text) {
#ifdef _WIN32
    return std::wcslen(text);
#else
    return std::strlen(text);
#endif
}

void removeGuarded() noexcept {
    for (int slot = 0; slot < slotCount; ++slot) {
        if (slotStates[slot].exchange(freeSlot) == armed) {
#ifdef _WIN32
            ::_wunlink(slotPaths[slot]);
#else
            ::unlinkat(static_cast<int>(slotFolders[slot]), slotPaths[slot], 0);
#endif
        }
    }
}

extern "C" void removeGuardedAtExit() {
    removeGuarded();
}

// Removes the files, then lets the signal end the process as it would have without us.
extern "C" void removeGuardedOnSignal(int signal) {
    removeGuarded();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Takes only signals that would end the process: one that is ignored or handled by someone
// else keeps its handling. Asked again for every file, as the handling may have changed.
void catchSignal(int signal) {
#ifdef _WIN32
    const auto previous = std::signal(signal, removeGuardedOnSignal);
    if (previous != SIG_DFL && previous != SIG_ERR && previous != removeGuardedOnSignal)
        std::signal(signal, previous);
#else
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0 || (previous.sa_flags & SA_SIGINFO) != 0 ||
        previous.sa_handler != SIG_DFL)
        return;
    struct sigaction action {};
    action.sa_handler = removeGuardedOnSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
#endif
}

// Every signal whose default ends the process, crashes included.
void catchEndings() {
    static const bool atExit = std::atexit(removeGuardedAtExit) == 0;
    (void)atExit;
#ifdef _WIN32
    for (const int signal : {SIGTERM, SIGINT, SIGBREAK, SIGABRT, SIGFPE, SIGILL, SIGSEGV})
        catchSignal(signal);
#else
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
        catchSignal(signal);
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        catchSignal(signal);
#endif
}

} // namespace

bool guardTemporary(std::intptr_t folder, const std::filesystem::path& name) noexcept {
    const auto& native = name.native();
    if (native.size() >= slotLength)
        return false;
    catchEndings();
    for (int slot = 0; slot < slotCount; ++slot) {
        int expected = freeSlot;
        if (!slotStates[slot].compare_exchange_strong(expected, filling))
            continue;
        std::copy(native.begin(), native.end(), slotPaths[slot]);
        slotPaths[slot][native.size()] = 0;
        slotFolders[slot] = folder;
        slotStates[slot].store(armed);
        return true;
    }
    return false;
}

void releaseTemporary(std::intptr_t folder, const std::filesystem::path& name) noexcept {
    const auto& native = name.native();
    for (int slot = 0; slot < slotCount; ++slot) {
        if (slotStates[slot].load() == armed && slotFolders[slot] == folder &&
            length(slotPaths[slot]) == native.size() &&
            std::equal(native.begin(), native.end(), slotPaths[slot])) {
            int expected = armed;
            slotStates[slot].compare_exchange_strong(expected, freeSlot);
        }
    }
}

} // namespace quentara
