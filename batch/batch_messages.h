// SPDX-License-Identifier: GPL-3.0-or-later
// What the user reads when a batch file cannot be written, or hears when it has been.
#pragma once

#include "batch/atomic_file.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quentara {

// Why writing failed, in plain words: "The disk is full." and the like.
std::string fileFailureText(const FileFailure& failure);

// The whole message: which file, that nothing on disk changed, and `reason`.
std::string batchNotWrittenMessage(std::string_view fileName, std::string_view reason);

// The whole message for a failed write: which file, what became of it, and why.
std::string batchFailureMessage(std::string_view fileName, const FileFailure& failure);

// Said to screen readers after a run that wrote `quantity` lines into `fileName`.
std::string batchWrittenNote(std::string_view fileName, std::uint64_t quantity);

// Said after a run that wrote a new file its file system could not keep from other readers.
std::string batchOwnerOnlyNotice(std::string_view fileName);

} // namespace quentara
