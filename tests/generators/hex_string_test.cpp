// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/hex_string.h"
#include "generators/secure_random.h"
#include "support/draws.h"
#include "support/row_name.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quentara {
namespace {

constexpr float belowHalf = 0.5f - 0x1p-25f; // the largest draw whose coin still gives 1

struct LengthCase {
    const char* item;
    std::int32_t characters;
};

class HexItem : public testing::TestWithParam<LengthCase> {};

// Letters and digits alternate and the codes step by a sixth, so the text runs "A1C5E8A1...":
// it shows that every coin was honoured and every code drawn after its coin.
TEST_P(HexItem, GivesOneCharacterPerFourBitsFromTwoDrawsEach) {
    const auto [item, characters] = GetParam();
    EXPECT_EQ(hexCharacterCount(item), characters);

    std::vector<float> draws;
    std::string expected;
    for (std::int32_t i = 0; i < characters; ++i) {
        const bool letter = i % 2 == 0;
        draws.push_back(letter ? 0.0f : largestDraw);
        draws.push_back(static_cast<float>(i % 6) / 6.0f + 0.01f);
        expected += "A1C5E8"[i % 6];
    }
    ScriptedRandom script(draws);
    EXPECT_EQ(composeHexString(item, script), expected);
    EXPECT_EQ(script.remaining(), 0u) << "two draws per character, and no more";
}

INSTANTIATE_TEST_SUITE_P(EveryItem, HexItem,
                         testing::Values(LengthCase{"4 bits", 1}, LengthCase{"8 bits", 2},
                                         LengthCase{"16 bits", 4}, LengthCase{"32 bits", 8},
                                         LengthCase{"64 bits", 16}, LengthCase{"128 bits", 32},
                                         LengthCase{"256 bits", 64}, LengthCase{"512 bits", 128},
                                         LengthCase{"1024 bits", 256}, LengthCase{"2048 bits", 512},
                                         LengthCase{"4096 bits", 1024},
                                         LengthCase{"8192 bits", 2048}),
                         [](const testing::TestParamInfo<LengthCase>& row) {
                             return "bits" + std::to_string(row.param.characters * 4);
                         });

class HexNearMiss : public testing::TestWithParam<const char*> {};

TEST_P(HexNearMiss, CountsNothingAndDrawsNothing) {
    EXPECT_EQ(hexCharacterCount(GetParam()), 0);
    ScriptedRandom noDraws({});
    EXPECT_EQ(composeHexString(GetParam(), noDraws), "");
    EXPECT_EQ(noDraws.consumed(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Texts, HexNearMiss,
                         testing::Values("Bits", "", "4 Bits", " 4 bits", "4 bits ", "8 BITS",
                                         "4bits", "4  bits", "3 bits", "16384 bits", "bits",
                                         "4 bits\n", "04 bits", "4 bit"),
                         [](const testing::TestParamInfo<const char*>& row) {
                             return textRowName(row.param);
                         });

struct AlphabetCase {
    float coin;
    float code;
    char expected;
};

class HexAlphabet : public testing::TestWithParam<AlphabetCase> {};

// The coin's 1 draws an uppercase letter "A".."F", its 2 a digit; both ends of each range.
TEST_P(HexAlphabet, CoinThenLetterOrDigit) {
    const auto [coin, code, expected] = GetParam();
    ScriptedRandom script({coin, code});
    EXPECT_EQ(composeHexString("4 bits", script), std::string(1, expected));
    EXPECT_EQ(script.remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, HexAlphabet,
    testing::Values(AlphabetCase{0.0f, 0.0f, 'A'}, AlphabetCase{0.0f, largestDraw, 'F'},
                    AlphabetCase{belowHalf, 0.5f, 'D'}, AlphabetCase{0.5f, 0.0f, '0'},
                    AlphabetCase{largestDraw, largestDraw, '9'}, AlphabetCase{0.5f, 0.5f, '5'}));

TEST(ComposeHexString, DrawsCoinThenCodeCharacterByCharacterInOrder) {
    // Swapping coin and code, or the characters, would give a different text.
    ScriptedRandom script({0.0f, 0.5f, 0.9f, 0.1f, 0.2f, largestDraw, largestDraw, 0.75f});
    EXPECT_EQ(composeHexString("16 bits", script), "D1F7");
    EXPECT_EQ(script.remaining(), 0u);
}

TEST(ComposeHexString, RealDrawsGiveUppercaseHexOnlyWithBothKindsAndNewTextEachTime) {
    SecureRandom random;
    const std::string first = composeHexString("8192 bits", random);
    const std::string second = composeHexString("8192 bits", random);
    ASSERT_EQ(first.size(), 2048u);
    ASSERT_EQ(second.size(), 2048u);
    EXPECT_EQ(first.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_NE(first.find_first_of("ABCDEF"), std::string::npos);
    EXPECT_NE(first.find_first_of("0123456789"), std::string::npos);
    EXPECT_NE(first, second);
}

} // namespace
} // namespace quentara
