// SPDX-License-Identifier: GPL-3.0-or-later
// The four character classes that passwords are built from.
#pragma once

namespace quentara {

struct CharacterClass {
    int span; // number of codes in the class
    int base; // first code
};

inline constexpr CharacterClass uppercaseClass{26, 65}; // A to Z
inline constexpr CharacterClass lowercaseClass{26, 97}; // a to z
inline constexpr CharacterClass digitClass{10, 48};     // 0 to 9
// Nine symbols, # to +: neither ! nor " and nothing from the comma up.
inline constexpr CharacterClass symbolClass{9, 35};
// The letters of a hex string, A to F; its digits are digitClass.
inline constexpr CharacterClass hexLetterClass{6, 65};

} // namespace quentara
