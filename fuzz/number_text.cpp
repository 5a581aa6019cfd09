// SPDX-License-Identifier: GPL-3.0-or-later
// NumberText writes every double in the plain form, and reading that text back gives the same
// value to 15 significant digits.
#include "generators/number_text.h"

#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace quentara;
using namespace quentara::fuzz;

namespace {

std::string fifteenDigits(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", value);
    return text;
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

// [-]digits[<mark>digits][E(+|-)digits], at most 15 significant digits, none of the fraction's
// trailing; the mantissa of an E form has one digit before the mark.
void requirePlainForm(const std::string& text, char mark) {
    std::size_t i = text[0] == '-' ? 1 : 0;
    const std::size_t start = i;
    while (i < text.size() && digit(text[i]))
        ++i;
    const std::size_t wholeDigits = i - start;
    require(wholeDigits > 0, "a digit before the mark");
    require(wholeDigits == 1 || text[start] != '0', "no leading zero");
    std::size_t significant = text[start] == '0' ? 0 : wholeDigits;
    if (i < text.size() && text[i] == mark) {
        const std::size_t first = ++i;
        while (i < text.size() && digit(text[i])) {
            if (significant > 0 || text[i] != '0')
                ++significant;
            ++i;
        }
        require(i > first && text[i - 1] != '0', "a fraction without trailing zeros");
    }
    require(significant <= 15, "at most 15 significant digits");
    if (i < text.size()) {
        require(wholeDigits == 1, "one digit before the mark of a mantissa");
        require(text.compare(i, 2, "E+") == 0 || text.compare(i, 2, "E-") == 0, "E+ or E-");
        i += 2;
        const std::size_t first = i;
        while (i < text.size() && digit(text[i]))
            ++i;
        require(i > first, "digits in the exponent");
    }
    require(i == text.size(), "nothing after the number");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0.0;
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    const char mark = size > sizeof value && data[sizeof value] % 2 == 1 ? ',' : '.';
    const std::string text = NumberText(value, mark);
    if (std::isnan(value)) {
        require(text == "NaN", "NaN");
        return 0;
    }
    if (std::isinf(value)) {
        require(text == (value < 0 ? "-Infinity" : "Infinity"), "Infinity and -Infinity");
        return 0;
    }
    require(!text.empty(), "a text for every value");
    requirePlainForm(text, mark);
    std::string dotted = text;
    for (char& c : dotted)
        c = c == mark ? '.' : c;
    if (value == 0.0) {
        require(text == "0", "zero is 0");
        return 0;
    }
    const double back = std::strtod(dotted.c_str(), nullptr);
    const double rounded = std::strtod(fifteenDigits(value).c_str(), nullptr);
    // Just below the largest double, 15 digits round up beyond it: such a text reads back as
    // infinity, and the spinner then leaves it alone.
    if (std::isinf(rounded))
        require(back == rounded, "a value rounded beyond the largest double reads as infinity");
    else
        require(fifteenDigits(back) == fifteenDigits(value), "reads back to 15 digits");
    const bool exponentForm = text.find('E') != std::string::npos;
    require(exponentForm == (std::fabs(rounded) >= 1e15 || std::fabs(rounded) < 1e-15),
            "a power of ten exactly for magnitudes from 10^15 and below 10^-15");
    return 0;
}
