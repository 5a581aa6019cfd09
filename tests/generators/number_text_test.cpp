// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace quentara {
namespace {

struct Leading {
    const char* text;
    double expected;
};

class LeadingNumberTable : public testing::TestWithParam<Leading> {};

TEST_P(LeadingNumberTable, ReadsTheNumberThatTheTextBeginsWith) {
    EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTable,
    testing::Values(Leading{"12abc", 12}, Leading{"abc", 0}, Leading{"", 0}, Leading{"-7.5", -7.5},
                    Leading{"1,000", 1}, Leading{"5000", 5000}, Leading{"05", 5},
                    Leading{"  42  ", 42}, Leading{"1 2\t3\n4", 1234}, Leading{"- 7", -7},
                    Leading{"+8", 8}, Leading{".5", 0.5}, Leading{"5.", 5}, Leading{".", 0},
                    Leading{"-", 0}, Leading{"--5", 0}, Leading{"7.5.3", 7.5}, Leading{"2E3", 2000},
                    Leading{"2e-1x", 0.2}, Leading{"3E", 3}, Leading{"3E+", 3},
                    Leading{"1.5E+15", 1.5e15}, Leading{"12 abc 3", 12}, Leading{"0x10", 0},
                    Leading{"999999999999999", 999999999999999.0}));

TEST(LeadingNumber, ANumberBeyondADoubleIsInfiniteAndATinyOneIsZero) {
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("-" + std::string(400, '9')), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("1E999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("1E-999"), 0.0);
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

// Overflow and underflow follow the value's own power of ten, wherever its digits stand.
struct Extreme {
    const char* name;
    std::string text;
    double expected;
};

class LeadingNumberExtremes : public testing::TestWithParam<Extreme> {};

TEST_P(LeadingNumberExtremes, OverflowsAndUnderflowsByTheValuesPowerOfTen) {
    EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().expected);
}

constexpr double infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberExtremes,
    testing::Values(
        Extreme{"FractionDigitsWithALargeExponent", "0.0000001e400", infinity},
        Extreme{"OnlyFractionDigitsWithALargeExponent", ".5e309", infinity},
        Extreme{"NegativeWithOnlyFractionDigits", "-.5e309", -infinity},
        Extreme{"ManyWholeDigitsWithANegativeExponent", std::string("1").append(400, '0') + "e-1",
                infinity},
        Extreme{"WholeDigitsBelowTheSmallestDouble", "1000e-330", 0.0},
        Extreme{"AboveTheLargestDoubleByItsSeventeenthDigit", "1.7976931348623159e308", infinity},
        Extreme{"TheLargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
        Extreme{"TheSmallestDouble", "4.9406564584124654e-324", 4.9406564584124654e-324}),
    [](const testing::TestParamInfo<Extreme>& row) { return row.param.name; });

struct Plain {
    double value;
    const char* expected;
};

class NumberTextTable : public testing::TestWithParam<Plain> {};

TEST_P(NumberTextTable, WritesThePlainText) {
    EXPECT_EQ(NumberText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTable,
    testing::Values(Plain{5000, "5000"}, Plain{-10, "-10"}, Plain{0, "0"}, Plain{-0.0, "0"},
                    Plain{1, "1"}, Plain{10, "10"}, Plain{17.5, "17.5"}, Plain{-0.25, "-0.25"},
                    Plain{0.1 + 0.2, "0.3"}, Plain{1.0 / 3, "0.333333333333333"},
                    Plain{999999999999999, "999999999999999"}, Plain{1e15, "1E+15"},
                    Plain{1234567890123456, "1.23456789012346E+15"}, Plain{-2e20, "-2E+20"},
                    Plain{0.001, "0.001"}, Plain{1e-15, "0.000000000000001"},
                    Plain{2.5e-16, "2.5E-16"}, Plain{123456.789, "123456.789"}));

TEST(NumberText, WritesAFractionWithTheGivenDecimalMark) {
    EXPECT_EQ(NumberText(17.5, ','), "17,5");
    EXPECT_EQ(NumberText(5000, ','), "5000");
}

struct Step {
    const char* text;
    double amount;
    const char* expected;
};

class SteppedQuantityTable : public testing::TestWithParam<Step> {};

TEST_P(SteppedQuantityTable, RewritesTheTextInPlainForm) {
    EXPECT_EQ(steppedQuantity(GetParam().text, GetParam().amount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SteppedQuantityTable,
    testing::Values(Step{"5000", 10, "5010"}, Step{"5000", -10, "4990"}, Step{"", 10, "10"},
                    Step{"", -10, "-10"}, Step{"0", -10, "-10"}, Step{"12abc", 10, "22"},
                    Step{"7.5", 10, "17.5"}, Step{"05", 0, "5"}, Step{"letters", -10, "-10"},
                    Step{"999999999999990", 10, "1E+15"}, Step{"1E+15", -10, "999999999999990"},
                    Step{"1.5E+15", 10, "1.50000000000001E+15"}));

TEST(SteppedQuantity, LeavesANumberBeyondADoubleAlone) {
    EXPECT_EQ(steppedQuantity(std::string(400, '9'), 10), std::nullopt);
}

} // namespace
} // namespace quentara
