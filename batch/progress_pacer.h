// SPDX-License-Identifier: GPL-3.0-or-later
// Reports a run's progress at a bounded rate: a report costs a repaint, a line costs far less.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace quentara {

// Receives the number of the line about to be made; returns false to stop the run.
using ProgressReport = std::function<bool(std::uint64_t line)>;

class ProgressPacer {
public:
    using Clock = std::chrono::steady_clock;
    using Now = Clock::time_point (*)();

    // Reports the first line, the last line, and in between whenever `interval` has passed.
    ProgressPacer(std::uint64_t lastLine, ProgressReport report,
                  Clock::duration interval = std::chrono::milliseconds(30), Now now = &Clock::now);

    // Called for every line, in order, before it is made. False: the report asked to stop.
    bool proceed(std::uint64_t number) {
        if (--countdown_ != 0)
            return true;
        return check(number);
    }

    // While line `number` waits for a slow reader: a report now, so that the window stays
    // alive and a stop is heard. False: the report asked to stop.
    bool whileWaiting(std::uint64_t number) {
        lastReport_ = now_();
        return report_(number);
    }

private:
    bool check(std::uint64_t number);

    std::uint64_t last_;
    ProgressReport report_;
    Clock::duration interval_;
    Now now_;
    Clock::time_point lastReport_{};
    Clock::time_point lastCheck_{};
    std::uint64_t stride_ = 1;    // lines between two looks at the clock
    std::uint64_t countdown_ = 1; // the first line is always looked at
};

} // namespace quentara
