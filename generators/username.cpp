// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/username.h"

#include "generators/random_source.h"
#include "generators/regional_indicators.h"

#include <algorithm>
#include <optional>

namespace quentara {
namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The code point of the four-byte UTF-8 sequence at `at`, if one stands there (every
// regional indicator is one).
std::optional<char32_t> fourByteCodePointAt(std::string_view text, std::size_t at) {
    if (text.size() < at + 4 || (static_cast<unsigned char>(text[at]) & 0xF8) != 0xF0 ||
        !isContinuationByte(text[at + 1]) || !isContinuationByte(text[at + 2]) ||
        !isContinuationByte(text[at + 3]))
        return std::nullopt;
    char32_t c = static_cast<unsigned char>(text[at]) & 0x07u;
    for (std::size_t i = 1; i < 4; ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3Fu);
    return c;
}

// The boundary source is not trusted to cut well (a platform's finder has been seen to cut
// between the halves of a surrogate pair), so a cut inside a character's bytes or between
// the two regional indicators of a flag moves on to the end of that character: the source
// counted it, so it is taken whole.
std::size_t wholeCharactersEnd(std::string_view text, std::size_t end) {
    end = std::min(end, text.size());
    while (end < text.size() && isContinuationByte(text[end]))
        ++end;
    const std::optional<char32_t> next = fourByteCodePointAt(text, end);
    if (!next || !isRegionalIndicator(*next))
        return end;
    // Only four-byte code points can be indicators, so stepping back four bytes at a time
    // meets every one of a run.
    std::size_t at = end;
    const bool inFlag = splitsAFlag([&]() -> std::optional<char32_t> {
        if (at < 4)
            return std::nullopt;
        at -= 4;
        return fourByteCodePointAt(text, at);
    });
    return inFlag ? end + 4 : end;
}

std::string_view leading(std::string_view text, std::size_t count,
                         const CharacterBoundaries& boundaries) {
    return text.substr(0, wholeCharactersEnd(text, boundaries.leadingBytes(text, count)));
}

} // namespace

std::string composeUsername(std::string_view firstName, std::string_view lastName,
                            const CharacterBoundaries& boundaries, RandomSource& random) {
    const std::string firstDigit = CharFromCode(random.DrawCode(10, 48));
    const std::string secondDigit = CharFromCode(random.DrawCode(10, 48));
    std::string name(leading(firstName, 2, boundaries));
    name += leading(lastName, 3, boundaries);
    return name + firstDigit + secondDigit;
}

} // namespace quentara
