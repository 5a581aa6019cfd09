// SPDX-License-Identifier: GPL-3.0-or-later
// One scanner for the decimal numbers that users type. Each rule (the password length, the
// batch quantity, the leading number) decides on top of it what it accepts and how it rounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quentara {

// The exponent's magnitude is capped here. No text that fits in memory has enough digits to
// bring a capped exponent back near the limits that the rules test (a few hundred at most),
// so the cap never changes a decision, and the powers of ten below stay inside 64 bits.
inline constexpr std::int64_t decimalExponentCap = 1'000'000'000'000'000'000;

// The longest beginning of a text of the form [+|-]digits[.digits][(E|e)[+|-]digits] with at
// least one digit before or after the mark. An "E" without digits after it ends the number.
struct DecimalScan {
    std::size_t length = 0; // characters that form the number; 0 when the text begins with none
    bool negative = false;
    std::string_view magnitude; // the number as written, without its sign
    std::string_view whole;     // the digits before the mark
    std::string_view fraction;  // the digits after the mark
    bool hasExponent = false;
    std::int64_t exponent = 0; // the value after the "E"

    bool isZero() const;
    // The powers of ten of the first and of the last digit that is not 0: 123.45 gives 2 and
    // -2, 12E3 gives 4 and 3. Only for a number that is not zero.
    std::int64_t leadingPower() const;
    std::int64_t trailingPower() const;
    // The digit standing for 10^power in the value, 0 beyond the digits written.
    int digitAt(std::int64_t power) const;
    // The value's whole part without its sign: 123.45 gives 123, 12E3 gives 12000. Nothing
    // from 10^19 on, where 64 bits no longer hold every value.
    std::optional<std::uint64_t> wholePart() const;
};

// How the user's locale writes numbers: "2.5" and "1,000" in English, "2,5" and "1.000" in
// German. Texts in the window are read in that convention, as the spinner writes them.
struct NumberMarks {
    char decimal = '.';
    char group = ','; // 0 where the locale's separator is no single ASCII character
};

DecimalScan scanDecimal(std::string_view text, char decimalMark = '.');

// The number that `text` writes from its first character to its last; nothing when any
// character is left over or there is no number at all.
std::optional<DecimalScan> scanWhole(std::string_view text, char decimalMark);

// `text` writes a number with the locale's group separator ("5.000" in German): a reader there
// takes it for another number than the one it reads as without its groups, so it is refused.
bool groupsDigits(std::string_view text, NumberMarks marks);

} // namespace quentara
