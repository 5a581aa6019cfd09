// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line needs of the system it runs on: its arguments as text, the paths they
// name, and the console it prints to.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace quentara {

// A program built for the window starts without a console on Windows: its output goes to the
// console it was started from, unless it is redirected. Elsewhere there is nothing to do.
void useStartingConsole();

// The program's arguments, its name first, in the encoding the command line reads them in.
std::vector<std::string> programArguments(int argc, char* argv[]);

// The file an argument names.
std::filesystem::path pathFromArgument(const std::string& argument);

// The argument as UTF-8, for the user name.
std::string utf8FromArgument(const std::string& argument);

// True when `stream` is a terminal, which is shown a progress line.
bool isTerminal(std::FILE* stream);

} // namespace quentara
