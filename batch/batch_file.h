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

// Appends the line for `number`: "nr.", a blank, the number, four blanks, the password,
// CR LF. CR LF on every platform: the file format fixes its line ends.
void AppendBatchLine(std::string& out, std::uint64_t number, std::string_view password);

struct BatchOutcome {
    enum class Status { written, failed, stopped };
    Status status = Status::written;
    FileFailure failure; // set when failed
};

// Writes lines 1 to `quantity` into a new file that replaces `target` only after the last
// line: on failure, on a stop asked for by `progress`, or on an exception from
// `appendPassword`, the old file stays as it was and no temporary file is left.
// Memory use does not grow with the quantity: lines go out in large blocks.
BatchOutcome WriteBatchFile(FileLayer& files, const std::filesystem::path& target,
                            std::uint64_t quantity, const PasswordAppender& appendPassword,
                            ProgressPacer& progress);

} // namespace quentara
