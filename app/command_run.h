// SPDX-License-Identifier: GPL-3.0-or-later
// Carries out a checked command-line request: prints or writes, and gives the exit code.
#pragma once

#include "app/command_request.h"

#include <cstdio>

namespace quentara {

class RandomSource;

// Where a run prints: standard output and error for the program, memory for the fuzz target.
struct CommandStreams {
    std::FILE* out;
    std::FILE* err;
};

// Help and version, or the command's runner with draws from the secure random source.
int runCommand(const CommandRequest& request, CommandStreams streams);

// The runners of the command table, one for each command.
int printPasswords(const CommandRequest& request, CommandStreams streams, RandomSource& random);
int writeFile(const CommandRequest& request, CommandStreams streams, RandomSource& random);
int printHex(const CommandRequest& request, CommandStreams streams, RandomSource& random);
int printUsername(const CommandRequest& request, CommandStreams streams, RandomSource& random);

} // namespace quentara
