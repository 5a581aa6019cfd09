// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_quantity.h"
#include "support/row_name.h"

#include <gtest/gtest.h>
#include <string>

namespace quentara {
namespace {

struct Quantity {
    const char* text;
    std::uint64_t quantity;
    QuantityProblem problem;
};

class QuantityRule : public testing::TestWithParam<Quantity> {};

TEST_P(QuantityRule, AcceptsOnlyAWholeNumberFromOneToTheLimit) {
    const QuantityReading reading = readQuantityText(GetParam().text);
    EXPECT_EQ(reading.problem, GetParam().problem) << GetParam().text;
    EXPECT_EQ(reading.value, GetParam().quantity) << GetParam().text;
}

constexpr auto ok = QuantityProblem::none;
constexpr auto nan = QuantityProblem::notANumber;
constexpr auto fraction = QuantityProblem::notWhole;
constexpr auto small = QuantityProblem::tooSmall;
constexpr auto large = QuantityProblem::tooLarge;

INSTANTIATE_TEST_SUITE_P(
    Texts, QuantityRule,
    testing::Values(Quantity{"5000", 5000, ok}, Quantity{"1", 1, ok}, Quantity{" 12\t", 12, ok},
                    Quantity{"+3", 3, ok}, Quantity{"007", 7, ok}, Quantity{"5.0", 5, ok},
                    Quantity{"2E3", 2000, ok}, Quantity{"25e-1", 0, fraction},
                    Quantity{"1.5e1", 15, ok}, Quantity{"999999999999999", 999'999'999'999'999, ok},
                    Quantity{"9.99999999999999e14", 999'999'999'999'999, ok},
                    Quantity{"9.9999999999999e14", 999'999'999'999'990, ok}, Quantity{"", 0, nan},
                    Quantity{"   ", 0, nan}, Quantity{"abc", 0, nan}, Quantity{"12abc", 0, nan},
                    Quantity{"1,000", 0, QuantityProblem::grouped}, Quantity{"1 000", 0, nan},
                    Quantity{"0x10", 0, nan}, Quantity{"-", 0, nan}, Quantity{".", 0, nan},
                    Quantity{"5E", 0, nan}, Quantity{"--5", 0, nan}, Quantity{"0", 0, small},
                    Quantity{"-0", 0, small}, Quantity{"0.000", 0, small}, Quantity{"-5", 0, small},
                    Quantity{"2.5", 0, fraction}, Quantity{"0.5", 0, fraction},
                    Quantity{"1.0000000000000001", 0, fraction}, Quantity{"-2.5", 0, fraction},
                    Quantity{"1000000000000000", 0, large}, Quantity{"1E15", 0, large},
                    Quantity{"1E999999999999", 0, large},
                    // 2^64 + 5: read in 64 bits it would wrap round to 5
                    Quantity{"18446744073709551621", 0, large},
                    Quantity{"1E-999999999999", 0, fraction}),
    [](const testing::TestParamInfo<Quantity>& row) { return textRowName(row.param.text); });

struct GermanQuantity {
    const char* name;
    const char* text;
    std::uint64_t quantity;
    QuantityProblem problem;
};

class QuantityInGerman : public testing::TestWithParam<GermanQuantity> {};

// As the spinner writes a quantity in a German locale ("17,5"); "5.000" is five thousand
// there, and is refused rather than read as 5.
TEST_P(QuantityInGerman, ReadsTheCommaAsTheMarkAndRefusesGroups) {
    const QuantityReading reading = readQuantityText(GetParam().text, NumberMarks{',', '.'});
    EXPECT_EQ(reading.problem, GetParam().problem);
    EXPECT_EQ(reading.value, GetParam().quantity);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuantityInGerman,
    testing::Values(GermanQuantity{"wholeWithComma", "12,0", 12, ok},
                    GermanQuantity{"fraction", "17,5", 0, fraction},
                    GermanQuantity{"groups", "5.000", 0, QuantityProblem::grouped},
                    GermanQuantity{"pointFraction", "2.5", 0, QuantityProblem::grouped},
                    GermanQuantity{"plain", "5000", 5000, ok}),
    [](const testing::TestParamInfo<GermanQuantity>& row) { return row.param.name; });

// Texts far longer than any exponent cap: the exponent must be read exactly, whatever its size.
struct LongQuantity {
    const char* name;
    std::string text;
    std::uint64_t quantity;
    QuantityProblem problem;
};

class LongQuantityRule : public testing::TestWithParam<LongQuantity> {};

TEST_P(LongQuantityRule, ReadsTheExactValueHoweverLongTheText) {
    const QuantityReading reading = readQuantityText(GetParam().text);
    EXPECT_EQ(reading.problem, GetParam().problem);
    EXPECT_EQ(reading.value, GetParam().quantity);
}

const std::string millionZeros = "1" + std::string(1'000'010, '0');

INSTANTIATE_TEST_SUITE_P(
    Texts, LongQuantityRule,
    testing::Values(LongQuantity{"TenWrittenWithAMillionZeros", millionZeros + "E-1000009", 10, ok},
                    LongQuantity{"OneWrittenWithAMillionZeros", millionZeros + "e-1000010", 1, ok},
                    LongQuantity{"ATenthWrittenWithAMillionZeros", millionZeros + "E-1000011", 0,
                                 fraction},
                    LongQuantity{"TenWrittenWithAMillionFractionZeros",
                                 "0." + std::string(1'000'000, '0') + "1E1000002", 10, ok},
                    LongQuantity{"AnExponentWithAMillionLeadingZeros",
                                 "3E" + std::string(1'000'000, '0') + "2", 300, ok}),
    [](const testing::TestParamInfo<LongQuantity>& row) { return row.param.name; });

struct Reason {
    QuantityProblem problem;
    const char* text;
    const char* expected;
};

class QuantityMessage : public testing::TestWithParam<Reason> {};

TEST_P(QuantityMessage, SaysWhatIsWrongAndWhatIsAccepted) {
    EXPECT_EQ(quantityProblemMessage(GetParam().problem, GetParam().text),
              std::string(GetParam().expected) +
                  "\nType a whole number of lines from 1 to 999999999999999, for example 5000.");
}

INSTANTIATE_TEST_SUITE_P(
    Problems, QuantityMessage,
    testing::Values(Reason{nan, "", "No quantity was given."},
                    Reason{nan, "abc", "The quantity \"abc\" is not a number."},
                    Reason{fraction, "2.5", "The quantity \"2.5\" is not a whole number."},
                    Reason{small, "0", "The quantity \"0\" is below 1."},
                    Reason{large, "1E15", "The quantity \"1E15\" is too large."},
                    Reason{nan, "0123456789012345678901234567890123456789xyz",
                           "The quantity \"0123456789012345678901234567890123456789...\" is "
                           "not a number."}),
    [](const testing::TestParamInfo<Reason>& row) { return textRowName(row.param.text); });

} // namespace
} // namespace quentara
