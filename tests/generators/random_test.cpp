// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/random.h"
#include "support/draws.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace quentara {
namespace {

struct SpanBase {
    int span;
    int base;
};

class DrawCodeEnds : public testing::TestWithParam<SpanBase> {};

// At the top of the range a float sum would round up to base + span, one past the class.
TEST_P(DrawCodeEnds, FirstAndLastCodeAtBothEndsOfTheRange) {
    const auto [span, base] = GetParam();
    ScriptedRandom script({0.0f, largestDraw});
    EXPECT_EQ(DrawCode(span, base), base);
    EXPECT_EQ(DrawCode(span, base), base + span - 1);
    EXPECT_EQ(script.consumed(), 2u);
}

INSTANTIATE_TEST_SUITE_P(EverySpanInUse, DrawCodeEnds,
                         testing::Values(SpanBase{26, 65}, SpanBase{26, 97}, SpanBase{10, 48},
                                         SpanBase{9, 35}, SpanBase{2, 1}, SpanBase{3, 1},
                                         SpanBase{4, 1}, SpanBase{6, 65}),
                         [](const testing::TestParamInfo<SpanBase>& row) {
                             return "span" + std::to_string(row.param.span) + "base" +
                                    std::to_string(row.param.base);
                         });

TEST(DrawCode, SplitsTheRangeIntoEqualParts) {
    // 0.5 is where the second of two halves begins.
    ScriptedRandom script({0.49999997f, 0.5f, 0.25f, 0.75f});
    EXPECT_EQ(DrawCode(2, 1), 1);
    EXPECT_EQ(DrawCode(2, 1), 2);
    EXPECT_EQ(DrawCode(4, 1), 2);
    EXPECT_EQ(DrawCode(4, 1), 4);
}

TEST(CharFromCode, GivesTheOneCharacterOfTheCode) {
    ScriptedRandom script({});
    EXPECT_EQ(CharFromCode(65), "A");
    EXPECT_EQ(CharFromCode(35), "#");
    EXPECT_EQ(CharFromCode(43), "+");
    EXPECT_EQ(script.consumed(), 0u);
}

TEST(ScriptedRandom, RestoresTheSequenceBeforeItWhenItEnds) {
    ScriptedRandom outer({0.25f, 0.5f});
    {
        ScriptedRandom inner({0.75f});
        EXPECT_EQ(NextRandom(), 0.75f);
        EXPECT_THROW(NextRandom(), std::logic_error);
    }
    EXPECT_EQ(NextRandom(), 0.25f);
    EXPECT_EQ(outer.remaining(), 1u);
}

TEST(SecureRandom, ValuesAreWhole24BitStepsThatUseEveryBit) {
    ASSERT_TRUE(startSecureRandom());
    std::uint32_t anySet = 0;
    std::uint32_t allSet = 0xFFFFFF;
    // Enough draws to cross several refills of the generator's buffer.
    for (int i = 0; i < 100'000; ++i) {
        const float r = NextRandom();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        const double scaled = static_cast<double>(r) * 0x1p24;
        ASSERT_EQ(scaled, std::floor(scaled));
        anySet |= static_cast<std::uint32_t>(scaled);
        allSet &= static_cast<std::uint32_t>(scaled);
    }
    EXPECT_EQ(anySet, 0xFFFFFFu);
    EXPECT_EQ(allSet, 0u);
}

TEST(SecureRandom, DigitsAreEvenlySpread) {
    constexpr int draws = 200'000;
    std::array<int, 10> counts{};
    for (int i = 0; i < draws; ++i)
        ++counts[static_cast<std::size_t>(DrawCode(10, 48) - 48)];
    double chiSquare = 0;
    for (const int count : counts) {
        const double expected = draws / 10.0;
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    // 9 degrees of freedom: a fair source exceeds 40 about once in 200,000 runs.
    EXPECT_LT(chiSquare, 40.0);
}

std::string runPrintPassword() {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(PRINT_PASSWORD_EXE, "r"), pclose);
    if (!pipe)
        return {};
    std::array<char, 64> line{};
    if (std::fgets(line.data(), static_cast<int>(line.size()), pipe.get()) == nullptr)
        return {};
    return line.data();
}

TEST(SecureRandom, TwoRunsOfTheProgramStartFromDifferentPasswords) {
    const std::string first = runPrintPassword();
    const std::string second = runPrintPassword();
    ASSERT_EQ(first.size(), 17u) << first; // 16 characters and the line end
    EXPECT_NE(first, second);
}

} // namespace
} // namespace quentara
