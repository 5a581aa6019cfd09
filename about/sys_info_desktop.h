// The system-information lookup on systems without the Windows registry: the desktop's own
// system-information program, found on the PATH, stands where the registry names the tool.
#pragma once

#include "about/sys_info.h"
#include "about/sys_info_memory_registry.h"

#include <optional>
#include <string>

namespace quentara {

// Well-known programs that show what the machine is made of and how it is doing, most
// fitting first: the desktops' information centres and hardware profilers, then their
// system monitors.
inline constexpr const char* desktopSystemInfoPrograms[] = {
    "kinfocenter", // KDE Info Center
    "hardinfo2",   // system profiler and benchmark
    "hardinfo",    // its older release
    "cpu-x",       // processor, memory and system overview
    "gnome-system-monitor",
    "plasma-systemmonitor",
    "ksysguard",
    "mate-system-monitor",
    "xfce4-taskmanager"};

// The full path of the first program of desktopSystemInfoPrograms that is an executable file
// in one of the folders of `searchPath` (a PATH value); the list's order decides, then the
// folders' order.
std::optional<std::string> FindSystemInfoProgram(const std::string& searchPath);

// A registry that names the found program as the tool's full path, and is empty when none
// is installed.
MemoryRegistry DesktopRegistry(const std::string& searchPath);

// Regular files only, through std::filesystem.
class DesktopFileCheck final : public FileCheck {
public:
    bool IsOrdinaryFile(const std::string& path) override;
};

} // namespace quentara
