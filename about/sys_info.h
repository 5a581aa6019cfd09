// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and starting the operating system's system-information tool: through the registry
// on Windows, on the PATH elsewhere. Plain logic over small platform services.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quentara {

// Result codes, value types and handles with the Windows registry's own values, so the
// real registry and the tests' fake report alike.
inline constexpr std::int32_t registrySuccess = 0;            // ERROR_SUCCESS
inline constexpr std::int32_t registryNotFound = 2;           // ERROR_FILE_NOT_FOUND
inline constexpr std::int32_t registryAccessDenied = 5;       // ERROR_ACCESS_DENIED
inline constexpr std::int32_t registryInvalidHandle = 6;      // ERROR_INVALID_HANDLE
inline constexpr std::int32_t registryMoreData = 234;         // ERROR_MORE_DATA
inline constexpr std::uint32_t registryText = 1;              // REG_SZ
inline constexpr std::uint32_t registryExpandText = 2;        // REG_EXPAND_SZ
inline constexpr std::uint32_t registryBinary = 3;            // REG_BINARY
inline constexpr std::uint32_t registryNumber = 4;            // REG_DWORD
inline constexpr std::uint32_t localMachineRoot = 0x80000002; // HKEY_LOCAL_MACHINE
inline constexpr std::uint32_t queryValueAccess = 0x0001;     // KEY_QUERY_VALUE
inline constexpr std::uint32_t readAccess = 0x20019;          // KEY_READ

// An open key as the registry hands it out; 0 is no key.
using RegistryKey = std::uintptr_t;

class Registry {
public:
    virtual ~Registry() = default;
    // Opens `path` below `root`; on registrySuccess `key` holds the open key.
    virtual std::int32_t openKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                                 RegistryKey& key) = 0;
    // Reads the value `name` into `data`, which holds `size` bytes. On registrySuccess `type`
    // is the value's type and `size` the bytes written; data larger than the buffer gives
    // registryMoreData.
    virtual std::int32_t queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                    unsigned char* data, std::uint32_t& size) = 0;
    virtual std::int32_t closeKey(RegistryKey key) = 0;
};

class FileCheck {
public:
    virtual ~FileCheck() = default;
    // True for an ordinary file only: not a folder, nor a hidden or system file.
    virtual bool isOrdinaryFile(const std::string& path) = 0;
};

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts the program file in a normal, activated window and returns at once, without
    // waiting for it. False when it could not be started.
    virtual bool launch(const std::string& program) = 0;
};

// The system's own tool for showing what the machine is made of.
class SysInfoTool {
public:
    virtual ~SysInfoTool() = default;
    // Starts the tool and returns at once; false when there is none or it did not start. May
    // throw for a broken registry value.
    virtual bool start() = 0;
};

// The two places the tool's location is looked up, in order.
inline constexpr const char* toolPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* toolPathValue = "PATH";
inline constexpr const char* toolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* toolFolderValue = "MSINFO";
inline constexpr const char* toolFileName = "\\MSINFO32.EXE";
inline constexpr const char* toolUnavailableMessage =
    "System Information Is Unavailable At This Time";
inline constexpr std::uint32_t valueBufferSize = 1024;

// Raised by GetKeyValue for a value whose data is empty: there is no last character to
// inspect. The key is closed before it leaves.
class EmptyRegistryValue : public std::runtime_error {
public:
    EmptyRegistryValue() : std::runtime_error("registry value has no data") {}
};

// Reads one value as text. False with an empty `KeyVal` when the key cannot be opened or the
// value cannot be read (missing, or more than valueBufferSize bytes). A text value loses one
// terminating NUL; a number value becomes its decimal text; any other type leaves `KeyVal` as
// it was. Throws EmptyRegistryValue for empty data. Keys are opened for reading only.
bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// The tool as the registry names it: row 1's full path, or else the tool's file in row 2's
// folder. Nothing to start when no location is readable, the folder lacks the file, or the
// path is empty.
class RegistrySysInfoTool final : public SysInfoTool {
public:
    RegistrySysInfoTool(Registry& registry, FileCheck& files, ProcessLauncher& launcher)
        : registry_(registry), files_(files), launcher_(launcher) {}
    bool start() override;

private:
    Registry& registry_;
    FileCheck& files_;
    ProcessLauncher& launcher_;
};

} // namespace quentara
