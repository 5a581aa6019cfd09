// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_text.h"

#include "generators/number_scan.h"
#include "generators/text_scan.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quentara {
namespace {

bool isSkipped(char c) {
    return isBlank(c) || c == '\n';
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
    const DecimalScan number = scanDecimal(kept);
    if (number.length == 0)
        return 0.0;
    double value = 0.0;
    const std::string_view magnitude = number.magnitude;
    const auto [end, error] = std::from_chars(magnitude.data(), magnitude.data() + magnitude.size(),
                                              value, std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: the value's own power of ten tells overflow from
        // underflow, wherever its digits stand ("0.0000001e400" overflows).
        value = number.leadingPower() >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
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

std::optional<std::string> steppedQuantity(std::string_view text, double amount, char decimalMark) {
    const double stepped = LeadingNumber(text) + amount;
    if (!std::isfinite(stepped))
        return std::nullopt;
    return NumberText(stepped, decimalMark);
}

} // namespace quentara
