// SPDX-License-Identifier: GPL-3.0-or-later
// A helper thread that takes no signals. A signal sent to the program (Ctrl+C, a request to
// stop) must reach the main thread: only there does it interrupt the write that thread may be
// blocked in.
#pragma once

#include <functional>
#include <thread>

namespace quentara {

// Starts `work` on a thread named `name` (at most 15 characters) with every signal blocked.
// Throws std::system_error when no thread can be started.
std::thread startSignalFreeThread(const char* name, std::function<void()> work);

} // namespace quentara
