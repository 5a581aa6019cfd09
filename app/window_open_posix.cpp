// SPDX-License-Identifier: GPL-3.0-or-later
// The window program is found from this program's own file: QUENTARA_WINDOW_PROGRAM is its path
// relative to this program's folder, the same in the build tree as once installed, so neither
// the search path nor the current folder can put another program in its place.
#include "app/window_program.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace quentara {

int openWindow(int /*argc*/, char* argv[]) {
    std::error_code error;
    // The file itself, whatever link or folder the program was started through.
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    std::filesystem::path window = QUENTARA_WINDOW_PROGRAM;
    if (!error) {
        window = self.parent_path() / window;
        execv(window.c_str(), argv);
        error.assign(errno, std::generic_category());
    }
    std::fprintf(stderr, "Quentara: cannot start the window (%s): %s\n", window.c_str(),
                 error.message().c_str());
    return 1; // as when the window cannot start for want of a secure random source
}

} // namespace quentara
