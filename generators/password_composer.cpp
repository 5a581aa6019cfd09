// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/password_composer.h"

#include "generators/character_class.h"
#include "generators/random.h"

#include <array>

namespace quentara {

void appendPassword(std::string& out, std::int32_t length, ClassTicks ticks) {
    std::array<CharacterClass, 4> ticked{};
    std::size_t count = 0;
    if (ticks.uppercase)
        ticked[count++] = uppercaseClass;
    if (ticks.lowercase)
        ticked[count++] = lowercaseClass;
    if (ticks.digits)
        ticked[count++] = digitClass;
    if (ticks.symbols)
        ticked[count++] = symbolClass;
    if (count == 0 || length < 1)
        return;

    out.reserve(out.size() + static_cast<std::size_t>(length));
    for (std::int32_t position = 1; position <= length; ++position) {
        const CharacterClass& cls =
            count > 1 ? ticked[static_cast<std::size_t>(DrawCode(static_cast<int>(count), 1) - 1)]
                      : ticked[0];
        out += static_cast<char>(DrawCode(cls.span, cls.base)); // CharFromCode, without a string
    }
}

std::string composePassword(std::int32_t length, ClassTicks ticks) {
    std::string password;
    appendPassword(password, length, ticks);
    return password;
}

} // namespace quentara
