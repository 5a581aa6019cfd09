// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_length.h"

#include <cstdint>
#include <limits>
#include <string>

namespace quentara {

LengthReading readLengthText(std::string_view text, NumberMarks marks) {
    const auto [number, problem] = readTypedNumber<LengthProblem>(text, marks);
    if (problem != LengthProblem::none)
        return {0, problem};
    if (number.hasExponent) // a length is written without one
        return {0, LengthProblem::notANumber};
    if (number.isZero())
        return {0, LengthProblem::none};
    if (number.leadingPower() >= 10) // at least 10^10, far outside 32 bits
        return {0, LengthProblem::outOfRange};

    // Below 10^10, so the whole part is there and fits, however many leading zeros it has.
    auto whole = static_cast<std::int64_t>(*number.wholePart());
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
    const std::string what = namedNumber(lengthWords.name, text);
    std::string why;
    switch (problem) {
    case LengthProblem::none:
        return {};
    case LengthProblem::notANumber:
        why = notANumberReason(lengthWords.name, text);
        break;
    case LengthProblem::grouped:
        why = groupedReason(lengthWords.name, text, marks);
        break;
    case LengthProblem::outOfRange:
        why = what + " is out of range.";
        break;
    case LengthProblem::tooLong:
        why = what + " is too long: a password has at most " + std::to_string(maxPasswordLength) +
              " characters.";
        break;
    }
    return why + wholeNumberHint(lengthWords, 0, maxPasswordLength);
}

} // namespace quentara
