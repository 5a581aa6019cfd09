// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_length.h"

#include "generators/number_scan.h"
#include "generators/text_scan.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace quentara {

LengthReading readLengthText(std::string_view text, NumberMarks marks) {
    text = trimBlanks(text);
    if (groupsDigits(text, marks))
        return {0, LengthProblem::grouped};
    const DecimalScan number = scanDecimal(text, marks.decimal);
    if (number.length == 0 || number.length != text.size() || number.hasExponent)
        return {0, LengthProblem::notANumber};
    if (number.isZero())
        return {0, LengthProblem::none};
    if (number.leadingPower() >= 10) // at least 10^10, far outside 32 bits
        return {0, LengthProblem::outOfRange};

    std::int64_t whole = 0; // below 10^10: fits, however many leading zeros the text has
    std::from_chars(number.whole.data(), number.whole.data() + number.whole.size(), whole);
    // The fraction only decides the rounding: below, exactly at, or above one half.
    const int firstFractionDigit = number.digitAt(-1);
    const bool aboveHalf =
        firstFractionDigit > 5 || (firstFractionDigit == 5 && number.trailingPower() < -1);
    const bool exactlyHalf = firstFractionDigit == 5 && number.trailingPower() == -1;
    if (aboveHalf || (exactlyHalf && whole % 2 == 1))
        ++whole;

    const std::int64_t value = number.negative ? -whole : whole;
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        return {0, LengthProblem::outOfRange};
    if (value > maxPasswordLength)
        return {static_cast<std::int32_t>(value), LengthProblem::tooLong};
    return {static_cast<std::int32_t>(value), LengthProblem::none};
}

LengthProblem lengthProblemFor(const LengthReading& reading, bool drawsCharacters) {
    if (reading.problem == LengthProblem::tooLong && !drawsCharacters)
        return LengthProblem::none;
    return reading.problem;
}

std::string lengthProblemMessage(LengthProblem problem, std::string_view text, NumberMarks marks) {
    const std::string quoted = quotedForMessage(text);
    std::string what;
    switch (problem) {
    case LengthProblem::none:
        return {};
    case LengthProblem::notANumber:
        what = text.empty() ? "No length was given." : "The length " + quoted + " is not a number.";
        break;
    case LengthProblem::grouped:
        what = "The length " + quoted + groupedDigitsNote(marks.group);
        break;
    case LengthProblem::outOfRange:
        what = "The length " + quoted + " is out of range.";
        break;
    case LengthProblem::tooLong:
        what = "The length " + quoted + " is too long: a password has at most " +
               std::to_string(maxPasswordLength) + " characters.";
        break;
    }
    return what + "\nType a whole number of characters from 0 to " +
           std::to_string(maxPasswordLength) + ", for example 12.";
}

} // namespace quentara
