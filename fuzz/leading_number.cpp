// SPDX-License-Identifier: GPL-3.0-or-later
// LeadingNumber agrees with strtod on the same prefix, overflow and underflow included.
#include "fuzz_check.h"
#include "generators/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace quentara;
using namespace quentara::fuzz;

namespace {

bool digit(const std::string& text, std::size_t i) {
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// The beginning of `text` that reads as [+|-]digits[.digits][E[+|-]digits], at least one
// mantissa digit; empty when there is none. strtod alone would also read "0x1p3" or "inf".
std::string numberPrefix(const std::string& text) {
    std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    std::size_t digits = 0;
    for (; digit(text, i); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        for (; digit(text, j); ++j)
            ++digits;
        if (digits > 0)
            i = j;
    }
    if (digits == 0)
        return "";
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (digit(text, j)) {
            while (digit(text, j))
                ++j;
            i = j;
        }
    }
    return text.substr(0, i);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string kept; // blanks, tabs and line feeds do not count, wherever they stand
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            kept += c;
    }
    const std::string prefix = numberPrefix(kept);
    const double expected = prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), nullptr);
    const double read = LeadingNumber(text);
    require(read == expected && std::signbit(read) == std::signbit(expected),
            "LeadingNumber equals strtod of the same prefix");
    return 0;
}
