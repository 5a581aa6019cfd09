// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/strength.h"

#include "generators/character_class.h"
#include "generators/hex_string.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace quentara {
namespace {

// One decimal, with "." whatever the user's locale: the figure is part of an English text.
std::string oneDecimal(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return std::string(text, result.ptr);
}

} // namespace

Strength strengthOf(std::span<const CharacterGroup> groups, std::int32_t length) {
    if (length < 1 || groups.empty())
        return {};
    double perCharacter = 0;
    double leastSurprise = std::numeric_limits<double>::infinity();
    for (const CharacterGroup& group : groups) {
        // Each of the group's characters has probability share / size.
        const double surprise = std::log2(group.size / group.share);
        perCharacter += group.share * surprise;
        leastSurprise = std::min(leastSurprise, surprise);
    }
    return {length * perCharacter, length * leastSurprise};
}

Strength passwordStrength(std::int32_t length, ClassTicks ticks) {
    std::array<int, 4> spans{};
    std::size_t count = 0;
    if (ticks.uppercase)
        spans[count++] = uppercaseClass.span;
    if (ticks.lowercase)
        spans[count++] = lowercaseClass.span;
    if (ticks.digits)
        spans[count++] = digitClass.span;
    if (ticks.symbols)
        spans[count++] = symbolClass.span;
    // The class pick is uniform over the ticked classes, whatever their sizes.
    std::array<CharacterGroup, 4> groups{};
    for (std::size_t i = 0; i < count; ++i)
        groups[i] = {1.0 / static_cast<double>(count), spans[i]};
    return strengthOf(std::span(groups.data(), count), length);
}

Strength hexStrength(std::int32_t characters) {
    const std::array<CharacterGroup, 2> groups{
        {{0.5, hexLetterClass.span}, {0.5, digitClass.span}}};
    return strengthOf(groups, characters);
}

Strength usernameStrength() {
    const std::array<CharacterGroup, 1> digit{{{1.0, digitClass.span}}};
    return strengthOf(digit, 2);
}

std::string strengthFigure(const Strength& strength, std::string_view what) {
    return oneDecimal(strength.bits) + " bits (the most likely " + std::string(what) + ": 1 in 2^" +
           oneDecimal(strength.mostLikelyBits) + ")";
}

} // namespace quentara
