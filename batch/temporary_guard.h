// SPDX-License-Identifier: GPL-3.0-or-later
// Named temporary files that must not outlive the process: a file of passwords left behind
// by an ended run would lie around unnoticed. Each guarded file is removed when the process
// is ended by SIGTERM, SIGINT or SIGHUP (SIGBREAK on Windows) or leaves through exit(), which
// is how the window toolkit ends the program when its display goes away. Nothing can catch
// SIGKILL: where the system allows, files are written without a name until they are complete.
#pragma once

#include <filesystem>

namespace quentara {

// False when the path is too long to be kept for the signal handler (no system opens such a
// path anyway) or when more files are guarded at once than a batch run ever makes.
bool guardTemporary(const std::filesystem::path& path) noexcept;

// The file has been renamed or removed: it needs no guarding any more.
void releaseTemporary(const std::filesystem::path& path) noexcept;

} // namespace quentara
