// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/sys_info_windows.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <vector>
#include <windows.h>

namespace quentara {
namespace {

// A root handle is passed as its 32-bit value; the predefined keys are sign-extended
// pointers on 64-bit Windows.
HKEY rootKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

HKEY openedKey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

static_assert(registrySuccess == ERROR_SUCCESS && registryNotFound == ERROR_FILE_NOT_FOUND &&
              registryAccessDenied == ERROR_ACCESS_DENIED &&
              registryInvalidHandle == ERROR_INVALID_HANDLE && registryMoreData == ERROR_MORE_DATA);
static_assert(registryText == REG_SZ && registryExpandText == REG_EXPAND_SZ &&
              registryBinary == REG_BINARY && registryNumber == REG_DWORD);
static_assert(queryValueAccess == KEY_QUERY_VALUE && readAccess == KEY_READ);

} // namespace

std::int32_t WindowsRegistry::openKey(std::uint32_t root, const std::string& path,
                                      std::uint32_t access, RegistryKey& key) {
    HKEY opened = nullptr;
    const LSTATUS result = RegOpenKeyExA(rootKey(root), path.c_str(), 0, access, &opened);
    key = result == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
    return result;
}

std::int32_t WindowsRegistry::queryValue(RegistryKey key, const std::string& name,
                                         std::uint32_t& type, unsigned char* data,
                                         std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LSTATUS result =
        RegQueryValueExA(openedKey(key), name.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return result;
}

std::int32_t WindowsRegistry::closeKey(RegistryKey key) {
    return RegCloseKey(openedKey(key));
}

bool WindowsFileCheck::isOrdinaryFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD excluded = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                           FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
    return (attributes & excluded) == 0;
}

bool WindowsLauncher::launch(const std::string& program) {
    // The command line names the program again, quoted, so a path with blanks stays whole;
    // CreateProcessA may write into it, so it is a private copy.
    const std::string quoted = "\"" + program + "\"";
    std::vector<char> commandLine(quoted.begin(), quoted.end());
    commandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    // Not waited for and not watched: the handles are let go at once.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace quentara
