// SPDX-License-Identifier: GPL-3.0-or-later
// A second, deliberately plain reading of decimal texts, exact however long. The length and
// quantity targets check the program's readings against it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quentara::fuzz {

struct ExactDecimal {
    bool negative = false;
    std::string digits;  // without leading or trailing zeros; empty for zero
    long long power = 0; // of the last digit
};

// Blanks and tabs around; an optional sign; digits with at most one "."; with
// `exponentAllowed` an optional E or e, an optional sign and digits. Anything else: nothing.
inline std::optional<ExactDecimal> readExactDecimal(std::string_view text, bool exponentAllowed) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    ExactDecimal value;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        value.negative = text[i++] == '-';
    std::string mantissa;
    long long fractionDigits = 0;
    bool mark = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            mantissa += text[i];
            fractionDigits += mark ? 1 : 0;
        } else if (text[i] == '.' && !mark) {
            mark = true;
        } else {
            break;
        }
    }
    if (mantissa.empty())
        return std::nullopt;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        if (!exponentAllowed)
            return std::nullopt;
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t first = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (exponent < 1'000'000'000'000'000) // inputs here are far shorter than that
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == first)
            return std::nullopt;
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != text.size())
        return std::nullopt;

    const std::size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos)
        return value; // zero
    const std::size_t last = mantissa.find_last_not_of('0');
    value.digits = mantissa.substr(first, last - first + 1);
    value.power = exponent - fractionDigits + static_cast<long long>(mantissa.size() - 1 - last);
    return value;
}

// -1, 0 or 1 as a is below, equal to or above b.
inline int compareExact(const ExactDecimal& a, const ExactDecimal& b) {
    const int signA = a.digits.empty() ? 0 : (a.negative ? -1 : 1);
    const int signB = b.digits.empty() ? 0 : (b.negative ? -1 : 1);
    if (signA != signB || signA == 0)
        return signA < signB ? -1 : (signA > signB ? 1 : 0);
    const long long leadingA = a.power + static_cast<long long>(a.digits.size()) - 1;
    const long long leadingB = b.power + static_cast<long long>(b.digits.size()) - 1;
    int magnitude = 0;
    if (leadingA != leadingB)
        magnitude = leadingA < leadingB ? -1 : 1;
    else // same leading power and no trailing zeros: digit order is value order
        magnitude = a.digits < b.digits ? -1 : (a.digits > b.digits ? 1 : 0);
    return signA * magnitude;
}

inline ExactDecimal exactOf(std::string_view plainText) {
    return *readExactDecimal(plainText, false);
}

} // namespace quentara::fuzz
