// SPDX-License-Identifier: GPL-3.0-or-later
// The system-information tool of the platform the program runs on.
#pragma once

#include "about/sys_info.h"

namespace quentara {

// The tool as this platform finds it: through the registry on Windows, on the PATH elsewhere.
// It lives as long as the process.
SysInfoTool& platformSysInfoTool();

} // namespace quentara
