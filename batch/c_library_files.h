// SPDX-License-Identifier: GPL-3.0-or-later
// What the system file layers share on every platform: files are the C library's descriptors,
// and its errors are errno's.
#pragma once

#include "batch/file_layer.h"

#include <cerrno>
#include <system_error>

namespace quentara {

inline std::error_code lastError() {
    return {errno, std::generic_category()};
}

inline int descriptor(FileLayer::Handle handle) {
    return static_cast<int>(handle);
}

} // namespace quentara
