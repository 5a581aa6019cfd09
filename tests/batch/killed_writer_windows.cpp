// SPDX-License-Identifier: GPL-3.0-or-later
// Started by the Windows tests, which kill it: writes a batch file far too long to finish to the
// path it is given, through the real writer and the Windows file layer, and sets the event whose
// inherited handle it is given once the file is well under way.
#include "batch/batch_file.h"

#include <cstdlib>
#include <windows.h>

int main(int argc, char* argv[]) {
    if (argc != 3)
        return 2;
    const auto midRun = reinterpret_cast<HANDLE>(std::strtoull(argv[2], nullptr, 10));
    quentara::SystemFileLayer files;
    const std::uint64_t lines = 100'000'000;
    // A hundred thousand lines: several blocks are in the new file.
    quentara::ProgressPacer pacer(lines, [midRun](std::uint64_t line) {
        if (line > 100'000)
            SetEvent(midRun);
        return true;
    });
    quentara::writeBatchFile(
        files, argv[1], lines, [](std::string& line) { line += "0123456789abcdef"; }, pacer);
    return 1; // the end should never come
}
