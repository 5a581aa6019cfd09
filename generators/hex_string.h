// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a bit-length text ("4 bits" ... "8192 bits") into a random hexadecimal string.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quentara {

class RandomSource;

// The bit lengths offered, in list order.
inline constexpr std::array<std::string_view, 12> hexBitsItems = {
    "4 bits",   "8 bits",   "16 bits",   "32 bits",   "64 bits",   "128 bits",
    "256 bits", "512 bits", "1024 bits", "2048 bits", "4096 bits", "8192 bits"};

// Characters asked for by a bit-length text: bits / 4 for one of the items exactly as
// listed (case-sensitive, no blanks around it), 0 for any other text.
std::int32_t hexCharacterCount(std::string_view bitsText);

// For each character: a coin DrawCode(2, 1), then a letter DrawCode(6, 65) "A".."F" on 1
// or a digit DrawCode(10, 48) "0".."9" on 2. Empty, with no draw, for an unknown text.
std::string composeHexString(std::string_view bitsText, RandomSource& random);

} // namespace quentara
