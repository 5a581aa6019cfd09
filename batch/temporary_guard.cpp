// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/temporary_guard.h"

#include "batch/temporary_guard_platform.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <string>

namespace quentara {
namespace {

// Everything the signal handler touches is allocated before any file is made, and the
// handler uses only calls that are safe in a signal handler (unlink, signal, raise).
constexpr int slotCount = 4;
constexpr std::size_t slotLength = 4096; // the longest path the system opens, with its end
enum SlotState : int { freeSlot, filling, armed };

GuardedPathChar slotPaths[slotCount][slotLength];
std::intptr_t slotFolders[slotCount];
std::atomic<int> slotStates[slotCount];
static_assert(std::atomic<int>::is_always_lock_free, "used from a signal handler");

void removeGuarded() noexcept {
    for (int slot = 0; slot < slotCount; ++slot) {
        if (slotStates[slot].exchange(freeSlot) == armed)
            removeGuardedFile(slotFolders[slot], slotPaths[slot]);
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

// Every signal whose default ends the process, crashes included.
void catchEndings() {
    static const bool atExit = std::atexit(removeGuardedAtExit) == 0;
    (void)atExit;
    catchEndingSignals(removeGuardedOnSignal);
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
            std::char_traits<GuardedPathChar>::length(slotPaths[slot]) == native.size() &&
            std::equal(native.begin(), native.end(), slotPaths[slot])) {
            int expected = armed;
            slotStates[slot].compare_exchange_strong(expected, freeSlot);
        }
    }
}

} // namespace quentara
