// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/progress_pacer.h"

#include <algorithm>

namespace quentara {
namespace {

// Look at the clock about every millisecond, whatever a line costs: often enough to keep
// the interval, rarely enough to cost nothing when lines are fast.
constexpr auto checkAtLeast = std::chrono::microseconds(250);
constexpr auto checkAtMost = std::chrono::microseconds(2000);
constexpr std::uint64_t maxStride = 1 << 16;

} // namespace

ProgressPacer::ProgressPacer(std::uint64_t lastLine, ProgressReport report,
                             Clock::duration interval, Now now)
    : last_(lastLine), report_(std::move(report)), interval_(interval), now_(now) {}

bool ProgressPacer::check(std::uint64_t number) {
    const Clock::time_point now = now_();
    const bool first = number == 1;
    if (!first) {
        const auto sinceCheck = now - lastCheck_;
        if (sinceCheck < checkAtLeast && stride_ < maxStride)
            stride_ *= 2;
        else if (sinceCheck > checkAtMost && stride_ > 1)
            stride_ /= 2;
    }
    lastCheck_ = now;
    // Land exactly on the last line, so it is always reported.
    countdown_ = number < last_ ? std::min(stride_, last_ - number) : 1;

    if (first || number == last_ || now - lastReport_ >= interval_) {
        lastReport_ = now;
        return report_(number);
    }
    return true;
}

} // namespace quentara
