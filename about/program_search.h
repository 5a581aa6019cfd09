// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a program in the folders of a PATH value.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quentara {

// The folders of `searchPath` in order. Empty entries, which would mean whatever folder the
// program happens to be started in, are left out.
std::vector<std::string> searchFolders(const std::string& searchPath);

// The full path of `name` in the first folder of `searchPath` where it is an executable file.
std::optional<std::string> findProgram(const std::string& name, const std::string& searchPath);

} // namespace quentara
