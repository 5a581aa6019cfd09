#include "batch/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quentara {
namespace {

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text without the characters that LeadingNumber skips wherever they stand.
std::string withoutSkipped(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (!isSkipped(c))
            kept += c;
    }
    return kept;
}

} // namespace

double LeadingNumber(std::string_view text) {
    const std::string kept = withoutSkipped(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < kept.size() && (kept[i] == '+' || kept[i] == '-')) {
        negative = kept[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    std::size_t wholeDigits = 0; // significant digits before the mark, for the overflow side
    for (; i < kept.size() && isDigit(kept[i]); ++i) {
        ++digits;
        if (wholeDigits > 0 || kept[i] != '0')
            ++wholeDigits;
    }
    if (i < kept.size() && kept[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        for (; j < kept.size() && isDigit(kept[j]); ++j)
            ++fraction;
        // "5." reads as 5; a lone "." without digits on either side is no number.
        if (fraction > 0 || digits > 0) {
            digits += fraction;
            i = j;
        }
    }
    if (digits == 0)
        return 0.0;

    long exponentSign = 1;
    if (i < kept.size() && (kept[i] == 'E' || kept[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < kept.size() && (kept[j] == '+' || kept[j] == '-')) {
            exponentSign = kept[j] == '-' ? -1 : 1;
            ++j;
        }
        if (j < kept.size() && isDigit(kept[j])) {
            while (j < kept.size() && isDigit(kept[j]))
                ++j;
            i = j;
        } else {
            exponentSign = 1; // an "E" without digits is not part of the number
        }
    }

    double value = 0.0;
    const auto [end, error] =
        std::from_chars(kept.data() + start, kept.data() + i, value, std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: decide between overflow and underflow.
        const bool huge = exponentSign > 0 && wholeDigits > 0;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string NumberText(double value, char decimalMark) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0)
        return "0";

    // Round to 15 significant digits first: the form depends on the rounded value.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.14e", value);
    std::string text(scientific);
    const std::size_t e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    const bool negative = text[0] == '-';
    std::string digits; // the 15 significant digits, trailing zeros dropped
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (isDigit(text[i]))
            digits += text[i];
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalMark;
            out.append(digits, 1, std::string::npos);
        }
        out += exponent < 0 ? "E-" : "E+";
        out += std::to_string(std::abs(exponent));
    } else if (exponent < 0) {
        out += '0';
        out += decimalMark;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const std::size_t wholeCount = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeCount) {
            out += digits;
            out.append(wholeCount - digits.size(), '0');
        } else {
            out.append(digits, 0, wholeCount);
            out += decimalMark;
            out.append(digits, wholeCount, std::string::npos);
        }
    }
    return out;
}

std::optional<std::string> SteppedQuantity(std::string_view text, double amount, char decimalMark) {
    const double stepped = LeadingNumber(text) + amount;
    if (!std::isfinite(stepped))
        return std::nullopt;
    return NumberText(stepped, decimalMark);
}

} // namespace quentara
