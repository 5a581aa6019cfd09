// SPDX-License-Identifier: GPL-3.0-or-later
// A batch run whose every password is "abc", for tests of where and how the file is written.
#pragma once

#include "batch/batch_file.h"
#include "batch/batch_messages.h"

#include <filesystem>
#include <string>

namespace quentara {

// 12 lines of "abc": 12 x 13 bytes and 15 digits, 171 bytes.
inline constexpr char twelveLines[] =
    "nr. 1    abc\r\nnr. 2    abc\r\nnr. 3    abc\r\nnr. 4    abc\r\n"
    "nr. 5    abc\r\nnr. 6    abc\r\nnr. 7    abc\r\nnr. 8    abc\r\n"
    "nr. 9    abc\r\nnr. 10    abc\r\nnr. 11    abc\r\nnr. 12    abc\r\n";

// The progress report asks to stop from line `stopAt` on, and `report` (when given) sees every
// report, waits for a slow reader included.
inline BatchOutcome writeAbcLines(FileLayer& files, const std::filesystem::path& target,
                                  std::uint64_t lines, std::uint64_t stopAt = 0,
                                  const ProgressReport& report = {}) {
    ProgressPacer pacer(
        lines,
        [&](std::uint64_t line) {
            return (stopAt == 0 || line < stopAt) && (!report || report(line));
        },
        std::chrono::milliseconds(0));
    return writeBatchFile(
        files, target, lines, [](std::string& line) { line += "abc"; }, pacer);
}

// "written", or the reason the file was not.
inline std::string outcomeText(const BatchOutcome& outcome) {
    return outcome.status == BatchOutcome::Status::written ? std::string("written")
                                                           : fileFailureText(outcome.failure);
}

} // namespace quentara
