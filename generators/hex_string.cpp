// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/hex_string.h"

#include "generators/character_class.h"
#include "generators/random_source.h"

namespace quentara {

std::int32_t hexCharacterCount(std::string_view bitsText) {
    std::int32_t characters = 1;
    for (std::string_view item : hexBitsItems) {
        if (item == bitsText)
            return characters;
        characters *= 2;
    }
    return 0;
}

std::string composeHexString(std::string_view bitsText, RandomSource& random) {
    const std::int32_t count = hexCharacterCount(bitsText);
    std::string result;
    result.reserve(static_cast<std::size_t>(count));
    for (std::int32_t position = 1; position <= count; ++position) {
        const bool letter = random.DrawCode(2, 1) == 1;
        const CharacterClass& cls = letter ? hexLetterClass : digitClass;
        result += CharFromCode(random.DrawCode(cls.span, cls.base));
    }
    return result;
}

} // namespace quentara
