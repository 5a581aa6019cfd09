// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/bar_scale.h"
#include "batch/progress_pacer.h"

#include <gtest/gtest.h>
#include <vector>

namespace quentara {
namespace {

struct Scale {
    std::uint64_t quantity;
    std::uint64_t line;
    int maximum;
    int position;
};

class BarScaleTable : public testing::TestWithParam<Scale> {};

TEST_P(BarScaleTable, KeepsBothEndsWithinAnIntAndTheLastLineAtTheMaximum) {
    const BarScale scale = BarScale::forQuantity(GetParam().quantity);
    EXPECT_EQ(scale.maximum, GetParam().maximum);
    EXPECT_EQ(scale.position(GetParam().line), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, BarScaleTable,
    testing::Values(Scale{1, 1, 1, 1}, Scale{5000, 2500, 5000, 2500},
                    Scale{2147483647, 2147483647, 2147483647, 2147483647},
                    Scale{2147483648, 1, 1073741824, 1},
                    Scale{2147483648, 2147483648, 1073741824, 1073741824},
                    Scale{999'999'999'999'999, 1, 2147480362, 1},
                    Scale{999'999'999'999'999, 499'999'999'999'999, 2147480362, 1073740181},
                    Scale{999'999'999'999'999, 999'999'999'999'999, 2147480362, 2147480362}));

// A clock that the test moves on by a set step for every line.
ProgressPacer::Clock::time_point fakeTime;
int clockReads = 0;
ProgressPacer::Clock::time_point fakeNow() {
    ++clockReads;
    return fakeTime;
}

std::vector<std::uint64_t> runPacer(std::uint64_t lines, std::chrono::microseconds step,
                                    std::uint64_t stopAt = 0) {
    clockReads = 0;
    std::vector<std::uint64_t> reports;
    ProgressPacer pacer(
        lines,
        [&](std::uint64_t line) {
            reports.push_back(line);
            return line != stopAt;
        },
        std::chrono::milliseconds(30), &fakeNow);
    for (std::uint64_t line = 1; line <= lines; ++line) {
        fakeTime = ProgressPacer::Clock::time_point{} + step * line;
        if (!pacer.proceed(line))
            break;
    }
    return reports;
}

TEST(ProgressPacer, ReportsTheFirstAndTheLastLine) {
    EXPECT_EQ(runPacer(1, std::chrono::microseconds(0)), (std::vector<std::uint64_t>{1}));
    EXPECT_EQ(runPacer(5, std::chrono::microseconds(0)), (std::vector<std::uint64_t>{1, 5}));
}

TEST(ProgressPacer, ReportsEveryLineWhenEachTakesLongerThanTheInterval) {
    EXPECT_EQ(runPacer(4, std::chrono::milliseconds(31)), (std::vector<std::uint64_t>{1, 2, 3, 4}));
}

TEST(ProgressPacer, FastLinesGetFewReportsAndFewLooksAtTheClock) {
    // A million lines of a microsecond each: a second, so a report about every 30,000 lines.
    const std::vector<std::uint64_t> reports = runPacer(1'000'000, std::chrono::microseconds(1));
    EXPECT_EQ(reports.front(), 1u);
    EXPECT_EQ(reports.back(), 1'000'000u);
    EXPECT_GE(reports.size(), 30u);
    EXPECT_LE(reports.size(), 36u);
    for (std::size_t i = 1; i + 1 < reports.size(); ++i)
        EXPECT_GE(reports[i] - reports[i - 1], 30'000u) << i;
    EXPECT_LT(clockReads, 10'000);
}

TEST(ProgressPacer, AReportThatAnswersFalseStopsTheRun) {
    EXPECT_EQ(runPacer(10, std::chrono::milliseconds(31), 3),
              (std::vector<std::uint64_t>{1, 2, 3}));
}

} // namespace
} // namespace quentara
