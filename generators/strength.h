// SPDX-License-Identifier: GPL-3.0-or-later
// The exact strength of what a generator's rule makes, from the sizes of the sets it really
// draws from: a class first, then a character within it, so characters are not equally likely.
#pragma once

#include "generators/password_composer.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quentara {

struct Strength {
    double bits = 0;           // Shannon entropy of the whole result
    double mostLikelyBits = 0; // min-entropy: the most likely result has probability 2^-this
};

// A set of equally likely characters that one position lands in with probability `share`.
struct CharacterGroup {
    double share;
    int size;
};

// `length` independent positions, each drawn from `groups` (disjoint, shares adding up to 1).
Strength strengthOf(std::span<const CharacterGroup> groups, std::int32_t length);

// A password of the composer: nothing to guess when it is empty.
Strength passwordStrength(std::int32_t length, ClassTicks ticks);
// A hex string of `characters` characters: a coin, then one of 6 letters or 10 digits.
Strength hexStrength(std::int32_t characters);
// A user name: only its two digits are secret, the names are known.
Strength usernameStrength();

// "35.8 bits (the most likely password: 1 in 2^31.0)", the result named by `what`.
std::string strengthFigure(const Strength& strength, std::string_view what);

} // namespace quentara
