// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/detached_launcher.h"
#include "about/platform_sys_info.h"
#include "about/sys_info_desktop.h"

#include <cstdlib>

namespace quentara {

// Without the Windows registry, the desktop's own system-information program on the PATH.
SysInfoTool& platformSysInfoTool() {
    static DetachedLauncher launcher;
    const char* const path = std::getenv("PATH");
    static PathSysInfoTool tool(path != nullptr ? path : "", launcher);
    return tool;
}

} // namespace quentara
