#include "generators/username.h"

#include "generators/random.h"

#include <algorithm>

namespace quentara {
namespace {

std::string_view leading(std::string_view text, std::size_t count,
                         const CharacterBoundaries& boundaries) {
    return text.substr(0, std::min(boundaries.leadingBytes(text, count), text.size()));
}

} // namespace

std::string ComposeUsername(std::string_view firstName, std::string_view lastName,
                            const CharacterBoundaries& boundaries) {
    const std::string firstDigit = CharFromCode(DrawCode(10, 48));
    const std::string secondDigit = CharFromCode(DrawCode(10, 48));
    std::string name(leading(firstName, 2, boundaries));
    name += leading(lastName, 3, boundaries);
    return name + firstDigit + secondDigit;
}

} // namespace quentara
