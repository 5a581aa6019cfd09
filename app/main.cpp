// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/process_guard.h"
#include "app/window_program.h"

int main(int argc, char* argv[]) {
    quentara::keepMemoryOutOfDumps();
    // The command line is served before any window exists: it needs no display. Qt's own
    // options (-platform, -style, ...) alone open the window, which reads them.
    if (quentara::wantsCommandLine(argc, argv))
        return quentara::runCommandLine(argc, argv);
    return quentara::openWindow(argc, argv);
}
