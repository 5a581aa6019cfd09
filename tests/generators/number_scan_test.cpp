// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_scan.h"

#include <gtest/gtest.h>

namespace quentara {
namespace {

struct Scanned {
    const char* name;
    const char* text;
    std::size_t length;
    std::int64_t leadingPower;
    std::int64_t trailingPower;
};

class ScanDecimalTable : public testing::TestWithParam<Scanned> {};

TEST_P(ScanDecimalTable, ReadsTheLongestNumberAndThePowersOfItsOuterDigits) {
    const DecimalScan number = scanDecimal(GetParam().text);
    EXPECT_EQ(number.length, GetParam().length);
    EXPECT_EQ(number.leadingPower(), GetParam().leadingPower);
    EXPECT_EQ(number.trailingPower(), GetParam().trailingPower);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScanDecimalTable,
    testing::Values(Scanned{"WholeAndFraction", "123.45", 6, 2, -2},
                    Scanned{"ZerosAroundTheDigits", "-00120.0300x", 11, 2, -2},
                    Scanned{"FractionOnly", ".05", 3, -2, -2},
                    Scanned{"MarkWithoutFraction", "+5.", 3, 0, 0},
                    Scanned{"Exponent", "12E3", 4, 4, 3},
                    Scanned{"NegativeExponent", "12e-3 ", 5, -2, -3},
                    Scanned{"ExponentWithoutDigitsEndsTheNumber", "7E+x", 1, 0, 0},
                    Scanned{"ExponentBeyondAnyText", "1E9999999999999999999999", 24,
                            1'000'000'000'000'000'000, 1'000'000'000'000'000'000}),
    [](const testing::TestParamInfo<Scanned>& row) { return row.param.name; });

} // namespace
} // namespace quentara
