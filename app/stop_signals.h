// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+C, a termination request or a hang-up asks a command-line run to stop, so the batch file
// can drop its new file before the program ends as the signal asks.
#pragma once

#include <memory>

namespace quentara {

// One at a time: the stop asked for is the process's.
class StopOnSignals {
public:
    // Catches the signals, except any ignored at start (nohup), which stay ignored. A signal
    // caught during a blocked write interrupts the write rather than restarting it.
    StopOnSignals();
    ~StopOnSignals(); // the handlers found at start again
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

    // The signal that asked to stop since the start, 0 for none.
    static int caught();

private:
    struct Previous;
    std::unique_ptr<Previous> previous_;
};

} // namespace quentara
