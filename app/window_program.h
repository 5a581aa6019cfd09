// SPDX-License-Identifier: GPL-3.0-or-later
// The window's start, apart from the command line: on Linux the command line is a program that
// loads no graphical library, which would take more time to load than a million passwords take
// to make, and the window is a program of its own that it starts in its place.
#pragma once

namespace quentara {

// Opens the window with the program's arguments; returns the program's exit status. Linux: the
// window program replaces this process (same process id and arguments), so this returns only
// when it cannot be started.
int openWindow(int argc, char* argv[]);

// The window and its event loop, in this process.
int runWindow(int argc, char* argv[]);

} // namespace quentara
