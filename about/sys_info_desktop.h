// SPDX-License-Identifier: GPL-3.0-or-later
// The system-information tool on systems without the Windows registry: the desktop's own
// system-information program, found on the PATH.
#pragma once

#include "about/sys_info.h"

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
std::optional<std::string> findSystemInfoProgram(const std::string& searchPath);

// Starts the first of those programs found on `searchPath`.
class PathSysInfoTool final : public SysInfoTool {
public:
    PathSysInfoTool(std::string searchPath, ProcessLauncher& launcher)
        : searchPath_(std::move(searchPath)), launcher_(launcher) {}
    bool start() override;

private:
    std::string searchPath_;
    ProcessLauncher& launcher_;
};

} // namespace quentara
