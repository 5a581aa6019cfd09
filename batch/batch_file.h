// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the batch password file: N numbered lines, one password each.
#pragma once

#include "batch/atomic_file.h"
#include "batch/progress_pacer.h"
#include "generators/password_composer.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace quentara {

// The exact size in bytes of a file of `quantity` lines whose passwords have
// `passwordLength` characters each; the largest value when it exceeds what a file may hold.
std::uintmax_t batchFileSize(std::uint64_t quantity, std::uint64_t passwordLength);

struct BatchOutcome {
    enum class Status { written, failed, stopped };
    Status status = Status::written;
    FileFailure failure;           // set when failed
    bool ownerOnlyRefused = false; // written, but its file system made it readable by others
};

// Writes lines 1 to `quantity` into a new file that replaces `target` only after the last
// line: on failure, on a stop asked for by `progress`, or on an exception from
// `appendPassword`, the old file stays as it was and no temporary file is left. Where the file
// has to be written in place (see AtomicFile), the disk must first hold the whole new file,
// sized from the first password: every password of a run has the same length. A stop after
// the old content is gone is a failure that says so. While a slow reader of a pipe keeps the
// run waiting, `progress` is asked again at least every second, so that it can stop the run.
// Memory use does not grow with the quantity: lines go out in large blocks.
BatchOutcome writeBatchFile(FileLayer& files, const std::filesystem::path& target,
                            std::uint64_t quantity, const PasswordAppender& appendPassword,
                            ProgressPacer& progress);

} // namespace quentara
