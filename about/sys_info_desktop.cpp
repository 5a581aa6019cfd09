// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/sys_info_desktop.h"

#include "about/program_search.h"

namespace quentara {

std::optional<std::string> findSystemInfoProgram(const std::string& searchPath) {
    for (const char* program : desktopSystemInfoPrograms) {
        if (std::optional<std::string> found = findProgram(program, searchPath))
            return found;
    }
    return std::nullopt;
}

bool PathSysInfoTool::start() {
    const std::optional<std::string> program = findSystemInfoProgram(searchPath_);
    return program && launcher_.launch(*program);
}

} // namespace quentara
