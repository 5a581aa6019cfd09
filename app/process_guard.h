// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the program's memory, and the passwords in it, out of core files and crash reports.
#pragma once

namespace quentara {

// First thing in main, before any password is drawn. Linux: the process is not dumpable (no
// core file, and other processes of the user cannot read its memory) and its core size limit
// is 0. Windows: Error Reporting leaves the heap out of its reports.
void keepMemoryOutOfDumps();

} // namespace quentara
