// SPDX-License-Identifier: GPL-3.0-or-later
// The program without its window: passwords, the batch file, hex strings and user names from
// the command line. Runs before any QApplication exists, so no display is needed.
#pragma once

#include "app/command_request.h"
#include "app/command_run.h"
#include "app/exit_codes.h"
#include "app/window_options.h"

#include <span>

namespace quentara {

// True when the arguments ask for more than the window: anything besides Qt's own options,
// which QApplication reads.
inline bool wantsCommandLine(int argc, char* argv[]) {
    if (argc < 2)
        return false;
    const std::span<char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
    return windowOptionCount(arguments) < arguments.size();
}

// Reads the arguments after the program's name, at least one: a request, or why not.
CommandReading readCommandLine(std::span<char* const> arguments);

// Prints the refusal, or carries out the request; the exit code.
int carryOut(const CommandReading& reading, CommandStreams streams);

// Reads the arguments after the program's name, leading Qt options skipped, and carries out
// what they ask for; the exit code.
int carryOutArguments(std::span<char* const> arguments, CommandStreams streams);

// Reads the program's arguments (argv[1] on, after any leading Qt options) and carries out
// what they ask for, on standard output and error; the exit code.
int runCommandLine(int argc, char* argv[]);

} // namespace quentara
