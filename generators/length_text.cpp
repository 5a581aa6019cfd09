#include "generators/length_text.h"

#include "generators/text_scan.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace quentara {

LengthReading ReadLengthText(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // Magnitudes are capped just above the 32-bit range, so any number of digits is safe.
    constexpr std::int64_t cap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t whole = 0;
    std::size_t i = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        whole = std::min(cap, whole * 10 + (text[i] - '0'));
    const bool hasWholeDigits = i > 0;

    // The fraction only decides the rounding: below, exactly, or above one half.
    int versusHalf = -1;
    bool hasFractionDigits = false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t first = i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            if (i == first)
                versusHalf = text[i] > '5' ? 1 : (text[i] == '5' ? 0 : -1);
            else if (versusHalf == 0 && text[i] != '0')
                versusHalf = 1;
        }
        hasFractionDigits = i > first;
    }
    if (i != text.size() || !(hasWholeDigits || hasFractionDigits))
        return {0, LengthProblem::notANumber};

    if (versusHalf > 0 || (versusHalf == 0 && whole % 2 == 1))
        whole = std::min(cap, whole + 1);
    const std::int64_t value = negative ? -whole : whole;
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        return {0, LengthProblem::outOfRange};
    if (value > maxPasswordLength)
        return {static_cast<std::int32_t>(value), LengthProblem::tooLong};
    return {static_cast<std::int32_t>(value), LengthProblem::none};
}

std::string LengthProblemMessage(LengthProblem problem, std::string_view text) {
    const std::string quoted = QuotedForMessage(text);
    std::string what;
    switch (problem) {
    case LengthProblem::none:
        return {};
    case LengthProblem::notANumber:
        what = text.empty() ? "No length was given." : "The length " + quoted + " is not a number.";
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
