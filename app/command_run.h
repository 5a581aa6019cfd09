// SPDX-License-Identifier: GPL-3.0-or-later
// Carries out a checked command-line request: prints or writes, and gives the exit code.
#pragma once

#include "app/command_request.h"

#include <cstdio>

namespace quentara {

// Where a run prints: standard output and error for the program, memory for the fuzz target.
struct CommandStreams {
    std::FILE* out;
    std::FILE* err;
};

// Help and version, or the command's runner after the secure random source has started.
int runCommand(const CommandRequest& request, CommandStreams streams);

// The runners of the command table, one for each command.
int printPasswords(const CommandRequest& request, CommandStreams streams);
int writeFile(const CommandRequest& request, CommandStreams streams);
int printHex(const CommandRequest& request, CommandStreams streams);
int printUsername(const CommandRequest& request, CommandStreams streams);

} // namespace quentara
