// SPDX-License-Identifier: GPL-3.0-or-later
// The C runtime's signals run their handlers on a thread of their own: there is nothing to block.
#include "generators/signal_free_thread.h"

namespace quentara {

std::thread startSignalFreeThread(const char* /*name*/, std::function<void()> work) {
    return std::thread(std::move(work));
}

} // namespace quentara
