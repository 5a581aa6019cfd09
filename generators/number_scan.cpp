// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_scan.h"

#include "generators/text_scan.h"

#include <algorithm>
#include <limits>
#include <string>

namespace quentara {
namespace {

std::size_t digitsEnd(std::string_view text, std::size_t from) {
    while (from < text.size() && isDigit(text[from]))
        ++from;
    return from;
}

std::int64_t signedSize(std::size_t size) {
    return static_cast<std::int64_t>(size);
}

} // namespace

DecimalScan scanDecimal(std::string_view text, char decimalMark) {
    DecimalScan scan;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        scan.negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t end = digitsEnd(text, i);
    scan.whole = text.substr(i, end - i);
    i = end;
    if (i < text.size() && text[i] == decimalMark) {
        end = digitsEnd(text, i + 1);
        scan.fraction = text.substr(i + 1, end - i - 1);
        i = end;
    }
    if (scan.whole.empty() && scan.fraction.empty())
        return {};

    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        end = digitsEnd(text, j);
        if (end > j) {
            std::int64_t exponent = 0;
            for (; j < end; ++j) {
                // From a tenth of the cap on, one more digit reaches the cap.
                exponent = exponent < decimalExponentCap / 10
                               ? std::min(exponent * 10 + (text[j] - '0'), decimalExponentCap)
                               : decimalExponentCap;
            }
            scan.hasExponent = true;
            scan.exponent = negativeExponent ? -exponent : exponent;
            i = end;
        }
    }
    scan.magnitude = text.substr(start, i - start);
    scan.length = i;
    return scan;
}

bool DecimalScan::isZero() const {
    return whole.find_first_not_of('0') == std::string_view::npos &&
           fraction.find_first_not_of('0') == std::string_view::npos;
}

std::int64_t DecimalScan::leadingPower() const {
    const std::size_t inWhole = whole.find_first_not_of('0');
    if (inWhole != std::string_view::npos)
        return signedSize(whole.size() - 1 - inWhole) + exponent;
    return -signedSize(fraction.find_first_not_of('0') + 1) + exponent;
}

std::int64_t DecimalScan::trailingPower() const {
    const std::size_t inFraction = fraction.find_last_not_of('0');
    if (inFraction != std::string_view::npos)
        return -signedSize(inFraction + 1) + exponent;
    return signedSize(whole.size() - 1 - whole.find_last_not_of('0')) + exponent;
}

int DecimalScan::digitAt(std::int64_t power) const {
    const std::int64_t written = power - exponent; // the power as the digits stand without "E"
    if (written >= 0) {
        if (written >= signedSize(whole.size()))
            return 0;
        return whole[whole.size() - 1 - static_cast<std::size_t>(written)] - '0';
    }
    const auto index = static_cast<std::size_t>(-written - 1);
    return index < fraction.size() ? fraction[index] - '0' : 0;
}

std::optional<std::uint64_t> DecimalScan::wholePart() const {
    if (isZero())
        return 0;
    if (leadingPower() >= std::numeric_limits<std::uint64_t>::digits10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (std::int64_t power = leadingPower(); power >= 0; --power)
        value = value * 10 + static_cast<std::uint64_t>(digitAt(power));
    return value;
}

std::optional<DecimalScan> scanWhole(std::string_view text, char decimalMark) {
    const DecimalScan number = scanDecimal(text, decimalMark);
    if (number.length == 0 || number.length != text.size())
        return std::nullopt;
    return number;
}

bool groupsDigits(std::string_view text, NumberMarks marks) {
    if (marks.group == 0 || marks.group == marks.decimal ||
        text.find(marks.group) == std::string_view::npos)
        return false;
    std::string ungrouped;
    for (const char c : trimBlanks(text)) {
        if (c != marks.group)
            ungrouped += c;
    }
    return scanWhole(ungrouped, marks.decimal).has_value();
}

} // namespace quentara
