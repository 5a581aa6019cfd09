// SPDX-License-Identifier: GPL-3.0-or-later
// Carries out a checked command-line request: prints or writes, and gives the exit code.
#pragma once

#include "app/command_request.h"

namespace quentara {

int runCommand(const CommandRequest& request);

} // namespace quentara
