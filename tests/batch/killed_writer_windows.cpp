// SPDX-License-Identifier: GPL-3.0-or-later
// Started by the Windows tests, which kill it: writes a batch file far too long to finish to the
// path it is given, through the real writer and the Windows file layer.
#include "batch/batch_file.h"

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    quentara::SystemFileLayer files;
    const std::uint64_t lines = 100'000'000;
    quentara::ProgressPacer pacer(lines, [](std::uint64_t) { return true; });
    quentara::writeBatchFile(
        files, argv[1], lines, [](std::string& line) { line += "0123456789abcdef"; }, pacer);
    return 1; // the end should never come
}
