// SPDX-License-Identifier: GPL-3.0-or-later
// What the temporary guard needs of the system: removing a guarded file from a signal handler,
// and catching the signals that would end the process.
#pragma once

#include <cstdint>
#include <filesystem>

namespace quentara {

using GuardedPathChar = std::filesystem::path::value_type;

// Removes `path` in `folder` (on Windows, `path` is the whole path); safe in a signal handler.
void removeGuardedFile(std::intptr_t folder, const GuardedPathChar* path) noexcept;

// Hands every signal whose default ends the process, crashes included, to `handler`, unless
// the signal is ignored or handled by someone else.
void catchEndingSignals(void (*handler)(int));

} // namespace quentara
