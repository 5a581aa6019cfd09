// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a password length typed into a length box.
#pragma once

#include "generators/number_reading.h"
#include "generators/number_scan.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quentara {

// Longest password the program builds: a million characters already take most of a
// second to show, and a typed length in the billions would exhaust memory.
inline constexpr std::int32_t maxPasswordLength = 1'000'000;

enum class LengthProblem {
    none,
    notANumber, // empty, or not a decimal number
    grouped,    // written with the locale's group separator: ambiguous
    outOfRange, // does not fit a 32-bit signed integer
    tooLong,    // fits, but is above maxPasswordLength
};

using LengthReading = NumberReading<std::int32_t, LengthProblem>;

inline constexpr NumberWords lengthWords{"length", "characters", "12"};

// A decimal number with optional blanks around it, an optional sign and an optional
// fraction after the locale's decimal mark, rounded to the nearest integer with halves going
// to the even one. Zero and negative lengths are valid: they give the empty password.
LengthReading readLengthText(std::string_view text, NumberMarks marks = {});

// The problem that keeps a password of `reading`'s length from being built. The cap on the
// length keeps memory in bounds where characters are drawn; without them any length that
// reads gives the empty password.
LengthProblem lengthProblemFor(const LengthReading& reading, bool drawsCharacters);

// A message for the user that says what is wrong with `text` and what is accepted.
std::string lengthProblemMessage(LengthProblem problem, std::string_view text,
                                 NumberMarks marks = {});

} // namespace quentara
