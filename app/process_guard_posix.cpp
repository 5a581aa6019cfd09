// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/process_guard.h"

#include <sys/resource.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace quentara {

// Neither can fail for an ordinary process; if one did, the program still works as before.
void keepMemoryOutOfDumps() {
#ifdef __linux__
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
}

} // namespace quentara
