#include "batch/quantity_text.h"

#include <algorithm>

namespace quentara {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string quoted(std::string_view text) {
    // A pasted page would make the message unreadable: quote only its beginning.
    std::size_t cut = std::min<std::size_t>(text.size(), 40);
    while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut; // never split a UTF-8 sequence
    std::string out(1, '"');
    out.append(text.substr(0, cut));
    if (cut < text.size())
        out += "...";
    out += '"';
    return out;
}

} // namespace

QuantityReading ReadQuantityText(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

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
                            : "The quantity " + quoted(text) + " is not a number.";
        break;
    case QuantityProblem::notWhole:
        what = "The quantity " + quoted(text) + " is not a whole number.";
        break;
    case QuantityProblem::tooSmall:
        what = "The quantity " + quoted(text) + " is below 1.";
        break;
    case QuantityProblem::tooLarge:
        what = "The quantity " + quoted(text) + " is too large.";
        break;
    }
    return what + "\nType a whole number of lines from 1 to 999999999999999, for example 5000.";
}

} // namespace quentara
