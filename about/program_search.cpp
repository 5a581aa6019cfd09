// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/program_search.h"

#include <filesystem>
#include <system_error>

namespace quentara {
namespace {

#ifdef _WIN32
constexpr char pathSeparator = ';';
#else
constexpr char pathSeparator = ':';
#endif

bool isExecutableFile(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status))
        return false;
    const fs::perms executable =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & executable) != fs::perms::none;
}

} // namespace

std::vector<std::string> searchFolders(const std::string& searchPath) {
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(pathSeparator, start);
        if (end == std::string::npos)
            end = searchPath.size();
        if (end > start)
            folders.push_back(searchPath.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

std::optional<std::string> findProgram(const std::string& name, const std::string& searchPath) {
    for (const std::string& folder : searchFolders(searchPath)) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (isExecutableFile(candidate))
            return candidate.string();
    }
    return std::nullopt;
}

} // namespace quentara
