// SPDX-License-Identifier: GPL-3.0-or-later
// Named temporary files that must not outlive the process: a file of passwords left behind
// by an ended run would lie around unnoticed. Each guarded file is removed when the process
// is ended by any signal whose default ends it (SIGTERM, SIGINT, SIGQUIT, SIGUSR1, SIGXFSZ,
// ...; SIGBREAK and the C signals on Windows) and that the program has not given other
// handling, or leaves through exit(), which is how the window toolkit ends the program when
// its display goes away. Nothing can catch SIGKILL: where the system allows, files are written
// without a name until they are complete.
#pragma once

#include <cstdint>
#include <filesystem>

namespace quentara {

// Guards `name` in the open `folder` (on Windows, where folders are not held open, `name` is
// the whole path and `folder` is not used). False when the name is too long to be kept for
// the signal handler (no system opens such a path anyway) or when more files are guarded at
// once than a batch run ever makes.
bool guardTemporary(std::intptr_t folder, const std::filesystem::path& name) noexcept;

// The file has been renamed or removed: it needs no guarding any more.
void releaseTemporary(std::intptr_t folder, const std::filesystem::path& name) noexcept;

} // namespace quentara
