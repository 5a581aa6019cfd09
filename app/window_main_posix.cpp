// SPDX-License-Identifier: GPL-3.0-or-later
// The window program, which the command line program starts in its place.
#include "app/process_guard.h"
#include "app/window_program.h"

int main(int argc, char* argv[]) {
    quentara::keepMemoryOutOfDumps(); // not inherited across exec
    return quentara::runWindow(argc, argv);
}
