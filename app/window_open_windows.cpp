// SPDX-License-Identifier: GPL-3.0-or-later
// One program serves both: a statically linked program starts at once.
#include "app/window_program.h"

namespace quentara {

int openWindow(int argc, char* argv[]) {
    return runWindow(argc, argv);
}

} // namespace quentara
