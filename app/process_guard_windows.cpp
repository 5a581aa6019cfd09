// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/process_guard.h"

#include <windows.h>
// werapi.h needs windows.h first.
#include <werapi.h>

// mingw-w64's werapi.h declares WerSetFlags but not this flag.
#ifndef WER_FAULT_REPORTING_FLAG_NOHEAP
#define WER_FAULT_REPORTING_FLAG_NOHEAP 1
#endif

namespace quentara {

void keepMemoryOutOfDumps() {
    WerSetFlags(WER_FAULT_REPORTING_FLAG_NOHEAP);
}

} // namespace quentara
