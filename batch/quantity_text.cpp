#include "batch/quantity_text.h"

#include "generators/text_scan.h"

#include <algorithm>

namespace quentara {

QuantityReading ReadQuantityText(std::string_view text) {
    text = trimBlanks(text);

    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Significant digits of the mantissa, and the power of ten of its last digit.
    std::string digits;
    long long scale = 0;
    std::size_t mantissaDigits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++mantissaDigits) {
        if (!digits.empty() || text[i] != '0')
            digits += text[i];
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++mantissaDigits) {
            if (!digits.empty() || text[i] != '0')
                digits += text[i];
            --scale;
        }
    }
    if (mantissaDigits == 0)
        return {0, QuantityProblem::notANumber};
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        long long sign = 1;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            sign = text[i] == '-' ? -1 : 1;
            ++i;
        }
        if (i == text.size() || !isDigit(text[i]))
            return {0, QuantityProblem::notANumber};
        long long exponent = 0;
        for (; i < text.size() && isDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000LL);
        scale += sign * exponent;
    }
    if (i != text.size())
        return {0, QuantityProblem::notANumber};

    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++scale;
    }
    if (digits.empty())
        return {0, QuantityProblem::tooSmall}; // zero, however written
    if (scale < 0)
        return {0, QuantityProblem::notWhole};
    if (negative)
        return {0, QuantityProblem::tooSmall};
    if (static_cast<long long>(digits.size()) + scale > 15)
        return {0, QuantityProblem::tooLarge};
    std::uint64_t value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    for (long long k = 0; k < scale; ++k)
        value *= 10;
    return {value, QuantityProblem::none};
}

std::string QuantityProblemText(QuantityProblem problem, std::string_view text) {
    std::string what;
    switch (problem) {
    case QuantityProblem::none:
        return {};
    case QuantityProblem::notANumber:
        what = text.empty() ? "No quantity was given."
                            : "The quantity " + QuotedForMessage(text) + " is not a number.";
        break;
    case QuantityProblem::notWhole:
        what = "The quantity " + QuotedForMessage(text) + " is not a whole number.";
        break;
    case QuantityProblem::tooSmall:
        what = "The quantity " + QuotedForMessage(text) + " is below 1.";
        break;
    case QuantityProblem::tooLarge:
        what = "The quantity " + QuotedForMessage(text) + " is too large.";
        break;
    }
    return what + "\nType a whole number of lines from 1 to 999999999999999, for example 5000.";
}

} // namespace quentara
