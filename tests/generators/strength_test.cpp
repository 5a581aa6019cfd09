// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/strength.h"
#include "support/row_name.h"

#include <functional>
#include <gtest/gtest.h>

namespace quentara {
namespace {

// Expected figures worked out by hand from the class sizes, e.g. all four classes:
// per character log2 4 + (log2 26 + log2 26 + log2 10 + log2 9) / 4, at most 1/36 likely.
struct StrengthCase {
    const char* name;
    std::function<Strength()> measure;
    double bits;
    double mostLikelyBits;
};

class StrengthTable : public testing::TestWithParam<StrengthCase> {};

TEST_P(StrengthTable, FollowsTheClassFirstRule) {
    const StrengthCase& row = GetParam();
    const Strength strength = row.measure();
    EXPECT_NEAR(strength.bits, row.bits, 1e-9);
    EXPECT_NEAR(strength.mostLikelyBits, row.mostLikelyBits, 1e-9);
}

StrengthCase password(const char* name, std::int32_t length, ClassTicks ticks, double bits,
                      double mostLikelyBits) {
    return {name, [=] { return passwordStrength(length, ticks); }, bits, mostLikelyBits};
}

constexpr ClassTicks allFour = {true, true, true, true};

INSTANTIATE_TEST_SUITE_P(
    Rules, StrengthTable,
    testing::Values(password("allFourLength6", 6, allFour, 35.839098798918, 31.019550008654),
                    password("uppercaseOnlyIsUniform", 6, {true, false, false, false},
                             28.202638308847, 28.202638308847),
                    password("digitsOnly", 4, {false, false, true, false}, 13.287712379549,
                             13.287712379549),
                    password("upperAndDigitsLength8", 8, {true, false, true, false},
                             40.089471252114, 34.575424759099),
                    password("lowerDigitsSymbolsLength1", 1, {false, true, true, true},
                             5.315726772211, 4.754887502163),
                    password("lengthZeroIsEmpty", 0, allFour, 0, 0),
                    password("negativeLengthIsEmpty", -3, allFour, 0, 0),
                    password("nothingTickedIsEmpty", 12, {}, 0, 0),
                    // A coin, then one of six letters or ten digits: 1 + log2(6)/2 + log2(10)/2
                    // bits; each letter 1/12 likely.
                    StrengthCase{"hexOneCharacter", [] { return hexStrength(1); }, 3.953445297805,
                                 3.584962500721},
                    StrengthCase{"hex128Bits", [] { return hexStrength(32); }, 126.510249529736,
                                 114.718800023077},
                    StrengthCase{"hexEmpty", [] { return hexStrength(0); }, 0, 0},
                    // Only the two digits count: log2 100.
                    StrengthCase{"username", usernameStrength, 6.643856189775, 6.643856189775}),
    RowName());

TEST(StrengthFigure, OneDecimalForBothFigures) {
    EXPECT_EQ(strengthFigure(passwordStrength(6, allFour), "password"),
              "35.8 bits (the most likely password: 1 in 2^31.0)");
    EXPECT_EQ(strengthFigure({5973183.13315, 5169925.06}, "hex string"),
              "5973183.1 bits (the most likely hex string: 1 in 2^5169925.1)");
}

} // namespace
} // namespace quentara
