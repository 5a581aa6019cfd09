#include "about/sys_info_desktop.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace quentara {
namespace {

#ifdef _WIN32
constexpr char pathSeparator = ';';
#else
constexpr char pathSeparator = ':';
#endif

std::vector<std::string> SearchFolders(const std::string& searchPath) {
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(pathSeparator, start);
        if (end == std::string::npos)
            end = searchPath.size();
        // An empty entry would mean the current folder, which depends on where the program
        // was started: it is skipped.
        if (end > start)
            folders.push_back(searchPath.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

bool IsExecutableFile(const std::filesystem::path& path) {
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

std::optional<std::string> FindSystemInfoProgram(const std::string& searchPath) {
    const std::vector<std::string> folders = SearchFolders(searchPath);
    for (const char* program : desktopSystemInfoPrograms) {
        for (const std::string& folder : folders) {
            const std::filesystem::path candidate = std::filesystem::path(folder) / program;
            if (IsExecutableFile(candidate))
                return candidate.string();
        }
    }
    return std::nullopt;
}

MemoryRegistry DesktopRegistry(const std::string& searchPath) {
    MemoryRegistry registry;
    if (const std::optional<std::string> program = FindSystemInfoProgram(searchPath))
        registry.SetText(localMachineRoot, toolPathKey, toolPathValue, *program);
    return registry;
}

bool DesktopFileCheck::IsOrdinaryFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace quentara
