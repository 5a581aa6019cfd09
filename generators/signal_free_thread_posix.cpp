// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/signal_free_thread.h"

#include <pthread.h>
#include <signal.h>

namespace quentara {

std::thread startSignalFreeThread(const char* name, std::function<void()> work) {
    // Blocked before the thread exists, which inherits the mask: no signal can slip in first.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &previous);
    struct RestoreMask {
        const sigset_t& mask;
        ~RestoreMask() { pthread_sigmask(SIG_SETMASK, &mask, nullptr); }
    } restore{previous};
    std::thread thread(std::move(work));
#ifdef __linux__
    pthread_setname_np(thread.native_handle(), name);
#else
    (void)name;
#endif
    return thread;
}

} // namespace quentara
