// SPDX-License-Identifier: GPL-3.0-or-later
// The system-information services on Windows: the registry through advapi32, the file check
// and the process launch through the system's own calls. Built for Windows only; this header
// keeps <windows.h> and its macros out of the code that includes it.
#pragma once

#include "about/sys_info.h"

namespace quentara {

class WindowsRegistry final : public Registry {
public:
    std::int32_t openKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                         RegistryKey& key) override;
    std::int32_t queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) override;
    std::int32_t closeKey(RegistryKey key) override;
};

// Ordinary files only: folders, hidden and system files do not count.
class WindowsFileCheck final : public FileCheck {
public:
    bool isOrdinaryFile(const std::string& path) override;
};

// Starts the program in a normal, activated window and lets it run on its own.
class WindowsLauncher final : public ProcessLauncher {
public:
    bool launch(const std::string& program) override;
};

} // namespace quentara
