// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a password from a length and the ticked character classes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quentara {

class RandomSource;

struct ClassTicks {
    bool uppercase = false;
    bool lowercase = false;
    bool digits = false;
    bool symbols = false;
};

// With no class ticked, nothing is drawn: every password is empty, whatever its length.
inline bool drawsCharacters(ClassTicks ticks) {
    return ticks.uppercase || ticks.lowercase || ticks.digits || ticks.symbols;
}

// Appends a password of `length` characters (none when length < 1 or nothing is
// ticked). With k > 1 classes ticked, each character first picks one of them with
// DrawCode(k, 1), numbered in the order uppercase, lowercase, digits, symbols, then
// draws its code within that class: two draws per character, one with a single class.
void appendPassword(std::string& out, std::int32_t length, ClassTicks ticks, RandomSource& random);

std::string composePassword(std::int32_t length, ClassTicks ticks, RandomSource& random);

// Appends one new password to the line being built; the batch file takes one per line.
using PasswordAppender = std::function<void(std::string& line)>;

} // namespace quentara
