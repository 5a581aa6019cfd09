// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/process_guard.h"

#include <windows.h>

// mingw-w64's werapi.h does not build on its own (HREPORT is missing), so the one function
// used is declared here; kernel32 exports it.
extern "C" HRESULT WINAPI WerSetFlags(DWORD flags);

namespace quentara {
namespace {

constexpr DWORD leaveOutTheHeap = 1; // WER_FAULT_REPORTING_FLAG_NOHEAP

} // namespace

void keepMemoryOutOfDumps() {
    WerSetFlags(leaveOutTheHeap);
}

} // namespace quentara
