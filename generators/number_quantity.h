// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the number of lines that a batch file is to hold.
#pragma once

#include "generators/number_reading.h"
#include "generators/number_scan.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quentara {

inline constexpr std::uint64_t maxBatchQuantity = 999'999'999'999'999;

enum class QuantityProblem {
    none,
    notANumber, // empty, or the text as a whole is not a number
    grouped,    // written with the locale's group separator: ambiguous
    notWhole,   // has a fraction
    tooSmall,   // zero or negative
    tooLarge,   // above maxBatchQuantity
};

using QuantityReading = NumberReading<std::uint64_t, QuantityProblem>;

// The whole text must be one number: blanks around it, an optional sign, digits with an
// optional fraction after the decimal mark and an optional exponent ("2E3"). Its exact decimal
// value must be a whole number from 1 to maxBatchQuantity. Read exactly, so
// "1.0000000000000001" is no whole number, however close a double would come.
QuantityReading readQuantityText(std::string_view text, NumberMarks marks = {});

// How a message names the number and what it counts: the batch file's quantity of lines, or
// the command line's count of passwords.
inline constexpr NumberWords batchQuantityWords{"quantity", "lines", "5000"};

// The reason in plain words, quoting `text`, and what is accepted.
std::string quantityProblemMessage(QuantityProblem problem, std::string_view text,
                                   NumberMarks marks = {},
                                   const NumberWords& words = batchQuantityWords);

} // namespace quentara
