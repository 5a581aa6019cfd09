// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's exit codes, as `quentara --help` lists them.
#pragma once

namespace quentara {

inline constexpr int exitDone = 0;
inline constexpr int exitNotWritten = 1;  // the output could not be written
inline constexpr int exitBadArgument = 2; // a bad argument

} // namespace quentara
