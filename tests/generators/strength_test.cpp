// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/strength.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

namespace quentara {
namespace {

// Expected figures worked out by hand from the class sizes, e.g. all four classes:
// per character log2 4 + (log2 26 + log2 26 + log2 10 + log2 9) / 4, at most 1/36 likely.
struct PasswordCase {
    const char* name;
    std::int32_t length;
    ClassTicks ticks;
    double bits;
    double mostLikelyBits;
};

class PasswordStrengthTable : public testing::TestWithParam<PasswordCase> {};

TEST_P(PasswordStrengthTable, FollowsTheClassFirstRule) {
    const PasswordCase& row = GetParam();
    const Strength strength = passwordStrength(row.length, row.ticks);
    EXPECT_NEAR(strength.bits, row.bits, 1e-9);
    EXPECT_NEAR(strength.mostLikelyBits, row.mostLikelyBits, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PasswordStrengthTable,
    testing::Values(
        PasswordCase{
            "allFourLength6", 6, {true, true, true, true}, 35.839098798918, 31.019550008654},
        PasswordCase{"uppercaseOnlyIsUniform",
                     6,
                     {true, false, false, false},
                     28.202638308847,
                     28.202638308847},
        PasswordCase{
            "digitsOnly", 4, {false, false, true, false}, 13.287712379549, 13.287712379549},
        PasswordCase{"upperAndDigitsLength8",
                     8,
                     {true, false, true, false},
                     40.089471252114,
                     34.575424759099},
        PasswordCase{"lowerDigitsSymbolsLength1",
                     1,
                     {false, true, true, true},
                     5.315726772211,
                     4.754887502163},
        PasswordCase{"lengthZeroIsEmpty", 0, {true, true, true, true}, 0, 0},
        PasswordCase{"negativeLengthIsEmpty", -3, {true, true, true, true}, 0, 0},
        PasswordCase{"nothingTickedIsEmpty", 12, {}, 0, 0}),
    RowName());

TEST(HexStrength, ACoinThenOneOfSixLettersOrTenDigits) {
    const Strength one = hexStrength(1);
    EXPECT_NEAR(one.bits, 3.953445297805, 1e-9);           // 1 + log2(6)/2 + log2(10)/2
    EXPECT_NEAR(one.mostLikelyBits, 3.584962500721, 1e-9); // each letter 1/12
    const Strength bits128 = hexStrength(32);
    EXPECT_NEAR(bits128.bits, 126.510249529736, 1e-9);
    EXPECT_NEAR(bits128.mostLikelyBits, 114.718800023077, 1e-9);
    EXPECT_EQ(hexStrength(0).bits, 0);
}

TEST(UsernameStrength, OnlyTheTwoDigitsCount) {
    EXPECT_NEAR(usernameStrength().bits, 6.643856189775, 1e-9); // log2 100
    EXPECT_NEAR(usernameStrength().mostLikelyBits, 6.643856189775, 1e-9);
}

TEST(StrengthFigure, OneDecimalForBothFigures) {
    EXPECT_EQ(strengthFigure(passwordStrength(6, {true, true, true, true}), "password"),
              "35.8 bits (the most likely password: 1 in 2^31.0)");
    EXPECT_EQ(strengthFigure({5973183.13315, 5169925.06}, "hex string"),
              "5973183.1 bits (the most likely hex string: 1 in 2^5169925.1)");
}

} // namespace
} // namespace quentara
