// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer's look at a target on Linux and other POSIX systems.
#pragma once

#include "batch/file_layer.h"

#include <filesystem>
#include <system_error>

namespace quentara {

// Follows `path` to the name it ends in (see FileLayer::inspect): an error, or `info` with its
// place's folder open. A folder missing on the way gives errc::no_such_file_or_directory.
std::error_code walkToTarget(const std::filesystem::path& path, TargetInfo& info);

} // namespace quentara
