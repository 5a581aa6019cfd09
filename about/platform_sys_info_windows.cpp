// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/platform_sys_info.h"
#include "about/sys_info_windows.h"

namespace quentara {

SysInfoTool& platformSysInfoTool() {
    static WindowsRegistry registry;
    static WindowsFileCheck fileCheck;
    static WindowsLauncher launcher;
    static RegistrySysInfoTool tool(registry, fileCheck, launcher);
    return tool;
}

} // namespace quentara
