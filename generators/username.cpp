// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/username.h"

#include "generators/random.h"

#include <algorithm>

namespace quentara {
namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// U+1F1E6..U+1F1FF, two of which make one flag: F0 9F 87 A6..BF in UTF-8.
bool isRegionalIndicatorAt(std::string_view text, std::size_t at) {
    if (text.size() < at + 4 || text.substr(at, 3) != "\xF0\x9F\x87")
        return false;
    const auto last = static_cast<unsigned char>(text[at + 3]);
    return last >= 0xA6 && last <= 0xBF;
}

// The boundary source is not trusted to cut well (a platform's finder has been seen to cut
// between the halves of a surrogate pair), so a cut inside a character's bytes or between
// the two regional indicators of a flag moves on to the end of that character: the source
// counted it, so it is taken whole.
std::size_t wholeCharactersEnd(std::string_view text, std::size_t end) {
    end = std::min(end, text.size());
    while (end < text.size() && isContinuationByte(text[end]))
        ++end;
    if (!isRegionalIndicatorAt(text, end))
        return end;
    std::size_t indicatorsBefore = 0;
    while (end >= 4 * (indicatorsBefore + 1) &&
           isRegionalIndicatorAt(text, end - 4 * (indicatorsBefore + 1)))
        ++indicatorsBefore;
    return indicatorsBefore % 2 == 1 ? end + 4 : end;
}

std::string_view leading(std::string_view text, std::size_t count,
                         const CharacterBoundaries& boundaries) {
    return text.substr(0, wholeCharactersEnd(text, boundaries.leadingBytes(text, count)));
}

} // namespace

std::string composeUsername(std::string_view firstName, std::string_view lastName,
                            const CharacterBoundaries& boundaries) {
    const std::string firstDigit = CharFromCode(DrawCode(10, 48));
    const std::string secondDigit = CharFromCode(DrawCode(10, 48));
    std::string name(leading(firstName, 2, boundaries));
    name += leading(lastName, 3, boundaries);
    return name + firstDigit + secondDigit;
}

} // namespace quentara
