// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/secure_random.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace quentara {
namespace {

TEST(SecureRandom, ValuesAreWhole24BitStepsThatUseEveryBit) {
    ASSERT_TRUE(startSecureRandom());
    SecureRandom random;
    std::uint32_t anySet = 0;
    std::uint32_t allSet = 0xFFFFFF;
    // Enough draws to cross several buffers, made by the helper thread and by this one.
    for (int i = 0; i < 1'000'000; ++i) {
        const float r = random.NextRandom();
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
    SecureRandom random;
    constexpr int draws = 200'000;
    std::array<int, 10> counts{};
    for (int i = 0; i < draws; ++i)
        ++counts[static_cast<std::size_t>(random.DrawCode(10, 48) - 48)];
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
