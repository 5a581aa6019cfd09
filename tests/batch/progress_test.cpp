// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/bar_scale.h"
#include "batch/progress_pacer.h"
#include "support/row_name.h"

#include <gtest/gtest.h>
#include <vector>

namespace quentara {
namespace {

struct Scale {
    const char* name;
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
    testing::Values(Scale{"oneLine", 1, 1, 1, 1}, Scale{"halfOf5000", 5000, 2500, 5000, 2500},
                    Scale{"largestInt", 2147483647, 2147483647, 2147483647, 2147483647},
                    Scale{"beyondAnIntFirstLine", 2147483648, 1, 1073741824, 1},
                    Scale{"beyondAnIntLastLine", 2147483648, 2147483648, 1073741824, 1073741824},
                    Scale{"largestQuantityFirstLine", 999'999'999'999'999, 1, 2147480362, 1},
                    Scale{"largestQuantityHalfway", 999'999'999'999'999, 499'999'999'999'999,
                          2147480362, 1073740181},
                    Scale{"largestQuantityLastLine", 999'999'999'999'999, 999'999'999'999'999,
                          2147480362, 2147480362}),
    RowName());

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

struct Paced {
    const char* name;
    std::uint64_t lines;
    std::chrono::microseconds step; // each line's time
    std::uint64_t stopAt;           // the report that answers false, or 0
    std::vector<std::uint64_t> reports;
};

class ProgressPacerTable : public testing::TestWithParam<Paced> {};

TEST_P(ProgressPacerTable, ReportsTheseLines) {
    const Paced& row = GetParam();
    EXPECT_EQ(runPacer(row.lines, row.step, row.stopAt), row.reports);
}

using std::chrono::microseconds;
using std::chrono::milliseconds;

INSTANTIATE_TEST_SUITE_P(
    Runs, ProgressPacerTable,
    testing::Values(Paced{"firstLineIsTheLast", 1, microseconds(0), 0, {1}},
                    Paced{"firstAndLastLine", 5, microseconds(0), 0, {1, 5}},
                    Paced{"everyLineSlowerThanTheInterval", 4, milliseconds(31), 0, {1, 2, 3, 4}},
                    Paced{"falseStopsTheRun", 10, milliseconds(31), 3, {1, 2, 3}}),
    RowName());

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

} // namespace
} // namespace quentara
