// SPDX-License-Identifier: GPL-3.0-or-later
// What every reader of a typed number gives back, and the steps and words its readers share.
#pragma once

#include "generators/number_scan.h"
#include "generators/text_scan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quentara {

// A typed number's value and what keeps it from being used; the value counts only where the
// problem lets it. Each reader has problems of its own, as its messages differ.
template <class Value, class Problem> struct NumberReading {
    Value value{};
    Problem problem = Problem::none;
};

// The whole of `text` as one number, blanks around it allowed, read in the locale's marks. Any
// reader's problems name the two that every typed number can have alike: notANumber, and
// grouped for a text that a reader in that locale takes for another number.
template <class Problem>
NumberReading<DecimalScan, Problem> readTypedNumber(std::string_view text, NumberMarks marks) {
    text = trimBlanks(text);
    if (groupsDigits(text, marks))
        return {{}, Problem::grouped};
    if (const std::optional<DecimalScan> number = scanWhole(text, marks.decimal))
        return {*number, Problem::none};
    return {{}, Problem::notANumber};
}

// How a message names a typed number and what it counts.
struct NumberWords {
    std::string_view name;    // "quantity"
    std::string_view counted; // "lines"
    std::string_view example; // "5000"
};

// `text` named for a message: The quantity "2.5".
std::string namedNumber(std::string_view name, std::string_view text);

// The reason for the two problems that every typed number can have.
std::string notANumberReason(std::string_view name, std::string_view text);
std::string groupedReason(std::string_view name, std::string_view text, NumberMarks marks);

// The line after a reason that says what is accepted, from its own line end on.
std::string wholeNumberHint(const NumberWords& words, std::uint64_t lowest, std::uint64_t highest);

} // namespace quentara
