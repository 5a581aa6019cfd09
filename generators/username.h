// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a user name from the beginning of a first and a last name and two random digits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quentara {

class RandomSource;

// Knows where the characters of a text end, as a reader sees them: an emoji sequence, a
// flag or a letter with combining accents is one character however many code points it has.
class CharacterBoundaries {
public:
    virtual ~CharacterBoundaries() = default;
    // Byte length of the first `count` characters of the UTF-8 `text`; all of it when it
    // has fewer. The composer does not rely on it: a cut inside a code point or between the
    // two halves of a flag moves on to that character's end.
    virtual std::size_t leadingBytes(std::string_view text, std::size_t count) const = 0;
};

// The first two characters of the first name, the first three of the last name (fewer when
// a name is shorter), then two digits, each DrawCode(10, 48), drawn first to second. The
// names are taken exactly as typed: blanks, case and punctuation stay. UTF-8 in and out.
std::string composeUsername(std::string_view firstName, std::string_view lastName,
                            const CharacterBoundaries& boundaries, RandomSource& random);

} // namespace quentara
