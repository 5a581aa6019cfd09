// SPDX-License-Identifier: GPL-3.0-or-later
// The two number conversions that the batch run and the quantity spinner share.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quentara {

// The number that `text` begins with. Blanks, tabs and line feeds are skipped wherever
// they stand; of the rest, the longest beginning of the form [+|-]digits[.digits][E[+|-]digits]
// is read with "." as the decimal mark. Without any digit the value is 0. A value too large
// for a double gives plus or minus infinity.
double LeadingNumber(std::string_view text);

// The plain text of `value`: a whole value below 10^15 in magnitude as its digits (with "-"
// when negative, "0" for zero); anything else with at most 15 significant digits, no trailing
// zeros, a 0 before the mark below 1, and `decimalMark` as the mark. Magnitudes of 10^15 and
// above, and below 10^-15, are written as a mantissa and a power of ten ("1E+15", "2.5E-16").
std::string NumberText(double value, char decimalMark = '.');

// The quantity text after one spinner step of `amount`: NumberText(LeadingNumber(text) + amount).
// Empty when the leading number is too large for a double, so the step leaves the text alone.
std::optional<std::string> steppedQuantity(std::string_view text, double amount,
                                           char decimalMark = '.');

} // namespace quentara
