// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program as a process of its own, never waited for (systems other than Windows).
#pragma once

#include "about/sys_info.h"

namespace quentara {

class DetachedLauncher final : public ProcessLauncher {
public:
    // False when the program cannot be started, for instance a missing or non-executable file.
    bool launch(const std::string& program) override;
};

} // namespace quentara
