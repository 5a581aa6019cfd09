// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_length.h"
#include "support/row_name.h"

#include <gtest/gtest.h>
#include <string>

namespace quentara {
namespace {

struct LengthCase {
    const char* text;
    std::int32_t length;
    LengthProblem problem;
};

class ReadLengthTextTable : public testing::TestWithParam<LengthCase> {};

TEST_P(ReadLengthTextTable, ReadsTheTextAsExpected) {
    const LengthCase& row = GetParam();
    const LengthReading reading = readLengthText(row.text);
    EXPECT_EQ(reading.problem, row.problem) << '"' << row.text << '"';
    if (row.problem == LengthProblem::none || row.problem == LengthProblem::tooLong) {
        EXPECT_EQ(reading.value, row.length) << '"' << row.text << '"';
    }
}

constexpr auto ok = LengthProblem::none;
constexpr auto bad = LengthProblem::notANumber;
constexpr auto range = LengthProblem::outOfRange;
constexpr auto tooLong = LengthProblem::tooLong;

INSTANTIATE_TEST_SUITE_P(
    Lengths, ReadLengthTextTable,
    testing::Values(
        // plain numbers, blanks and signs
        LengthCase{"6", 6, ok}, LengthCase{"0", 0, ok}, LengthCase{"  12 ", 12, ok},
        LengthCase{"\t8\t", 8, ok}, LengthCase{"+7", 7, ok}, LengthCase{"-3", -3, ok},
        LengthCase{"007", 7, ok}, LengthCase{"200", 200, ok},
        // fractions round to the nearest integer, halves to the even one
        LengthCase{"2.5", 2, ok}, LengthCase{"3.5", 4, ok}, LengthCase{"2.51", 3, ok},
        LengthCase{"2.4999", 2, ok}, LengthCase{"2.50000", 2, ok}, LengthCase{"0.5", 0, ok},
        LengthCase{"1.5", 2, ok}, LengthCase{"-2.5", -2, ok}, LengthCase{"-3.5", -4, ok},
        LengthCase{".5", 0, ok}, LengthCase{"5.", 5, ok}, LengthCase{"-0.4", 0, ok},
        // the longest password and the edges of the 32-bit range
        LengthCase{"1000000", 1'000'000, ok}, LengthCase{"1000000.5", 1'000'000, ok},
        LengthCase{"1000001", 1'000'001, tooLong}, LengthCase{"2147483647", 2147483647, tooLong},
        LengthCase{"2147483648", 0, range}, LengthCase{"-2147483648", -2147483648, ok},
        LengthCase{"-2147483649", 0, range}, LengthCase{"2147483647.5", 0, range},
        LengthCase{"99999999999999999999999999", 0, range},
        // not numbers at all
        LengthCase{"", 0, bad}, LengthCase{"   ", 0, bad}, LengthCase{"abc", 0, bad},
        LengthCase{"12abc", 0, bad}, LengthCase{"1 2", 0, bad}, LengthCase{"+", 0, bad},
        LengthCase{"-", 0, bad}, LengthCase{".", 0, bad}, LengthCase{"--5", 0, bad},
        LengthCase{"1.2.3", 0, bad}, LengthCase{"- 5", 0, bad},
        // "1,000" is a thousand to an English reader, not 1
        LengthCase{"1,000", 0, LengthProblem::grouped}),
    [](const testing::TestParamInfo<LengthCase>& row) { return textRowName(row.param.text); });

// As the spinner writes numbers in a German locale: "2,5"; "5.000" is five thousand there.
constexpr NumberMarks german{',', '.'};

struct MarkedLength {
    const char* name;
    const char* text;
    NumberMarks marks;
    std::int32_t length;
    LengthProblem problem;
};

class LengthInTheLocalesWay : public testing::TestWithParam<MarkedLength> {};

TEST_P(LengthInTheLocalesWay, ReadsItsDecimalMarkAndRefusesItsGroups) {
    const LengthReading reading = readLengthText(GetParam().text, GetParam().marks);
    EXPECT_EQ(reading.problem, GetParam().problem);
    EXPECT_EQ(reading.value, GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, LengthInTheLocalesWay,
    testing::Values(MarkedLength{"germanFraction", "2,5", german, 2, ok},
                    MarkedLength{"germanFractionUp", "3,5", german, 4, ok},
                    MarkedLength{"germanGroups", "1.000", german, 0, LengthProblem::grouped},
                    MarkedLength{"germanPointIsNoMark", "2.5", german, 0, LengthProblem::grouped},
                    MarkedLength{"germanLetters", "a.b", german, 0, bad},
                    MarkedLength{"noSeparator", "1,5", NumberMarks{',', 0}, 2, ok}),
    RowName());

struct Capped {
    const char* name;
    LengthProblem read;
    bool drawsCharacters;
    LengthProblem problem;
};

class LengthCap : public testing::TestWithParam<Capped> {};

// Nothing is drawn without a class: the empty password has no length to cap.
TEST_P(LengthCap, AppliesOnlyWhereCharactersAreDrawn) {
    EXPECT_EQ(lengthProblemFor({0, GetParam().read}, GetParam().drawsCharacters),
              GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(Rows, LengthCap,
                         testing::Values(Capped{"tooLongDrawn", tooLong, true, tooLong},
                                         Capped{"tooLongNothingDrawn", tooLong, false, ok},
                                         Capped{"outOfRangeNothingDrawn", range, false, range},
                                         Capped{"notANumberNothingDrawn", bad, false, bad}),
                         RowName());

TEST(LengthProblemMessage, SaysWhatIsWrongAndWhatIsAccepted) {
    EXPECT_EQ(lengthProblemMessage(LengthProblem::notANumber, "abc"),
              "The length \"abc\" is not a number.\n"
              "Type a whole number of characters from 0 to 1000000, for example 12.");
    EXPECT_EQ(lengthProblemMessage(LengthProblem::notANumber, ""),
              "No length was given.\n"
              "Type a whole number of characters from 0 to 1000000, for example 12.");
    EXPECT_EQ(lengthProblemMessage(LengthProblem::tooLong, "5000000"),
              "The length \"5000000\" is too long: a password has at most 1000000 characters.\n"
              "Type a whole number of characters from 0 to 1000000, for example 12.");
    EXPECT_EQ(lengthProblemMessage(LengthProblem::grouped, "1.000", german),
              "The length \"1.000\" uses \".\", which separates groups of digits here, so it "
              "could be read as another number.\n"
              "Type a whole number of characters from 0 to 1000000, for example 12.");
    EXPECT_EQ(lengthProblemMessage(LengthProblem::none, "6"), "");
}

TEST(LengthProblemMessage, QuotesOnlyTheBeginningOfALongTextAndNeverHalfACharacter) {
    // 39 ASCII characters, then a two-byte character across the 40-byte mark.
    const std::string text = std::string(39, 'x') + "\xC3\xA9" + std::string(100, 'y');
    const std::string message = lengthProblemMessage(LengthProblem::notANumber, text);
    EXPECT_NE(message.find('"' + std::string(39, 'x') + "...\""), std::string::npos) << message;
}

} // namespace
} // namespace quentara
