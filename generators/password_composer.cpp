// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/password_composer.h"

#include "generators/character_class.h"
#include "generators/random_source.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace quentara {

namespace {

struct TickedClasses {
    std::array<CharacterClass, 4> classes{};
    std::size_t count = 0;
};

TickedClasses tickedClasses(ClassTicks ticks) {
    TickedClasses ticked;
    if (ticks.uppercase)
        ticked.classes[ticked.count++] = uppercaseClass;
    if (ticks.lowercase)
        ticked.classes[ticked.count++] = lowercaseClass;
    if (ticks.digits)
        ticked.classes[ticked.count++] = digitClass;
    if (ticks.symbols)
        ticked.classes[ticked.count++] = symbolClass;
    return ticked;
}

// The characters of a password go out in pieces of this many, each piece's draws taken from
// the buffer at once: the per-draw bookkeeping is most of a batch file's time.
constexpr std::int32_t pieceLength = 256;

// The character of two draws, a class among `Classes` and a character in it, as DrawCode would
// make them. The count is known to the compiler: for two and four the pick is a shift.
template <int Classes>
char characterOf(std::uint32_t classDraw, std::uint32_t characterDraw,
                 const TickedClasses& ticked) {
    const CharacterClass& cls =
        ticked.classes[static_cast<std::size_t>(drawCodeFromBits(classDraw, Classes, 0))];
    return static_cast<char>(drawCodeFromBits(characterDraw, cls.span, cls.base));
}

// The characters of `length` pairs of draws from `bytes`, with `Classes` classes ticked.
template <int Classes>
void charactersFromPairs(char* piece, std::size_t length, const TickedClasses& ticked,
                         const unsigned char* bytes) {
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // A character's six bytes in one load of eight; the two beyond are the next
        // character's, so the last character reads its bytes one by one.
        for (; i + 1 < length; ++i, bytes += 6) {
            std::uint64_t both = 0;
            std::memcpy(&both, bytes, sizeof both);
            piece[i] = characterOf<Classes>(both & 0xFFFFFF, (both >> 24) & 0xFFFFFF, ticked);
        }
    }
    for (; i < length; ++i, bytes += 6)
        piece[i] = characterOf<Classes>(drawBits(bytes), drawBits(bytes + 3), ticked);
}

// One piece's characters from its draws' bytes, as DrawCode would make them.
void appendFromBytes(std::string& out, std::size_t length, const TickedClasses& ticked,
                     const unsigned char* bytes) {
    // Written in place: a copy from a local array costs a string move per piece.
    const std::size_t start = out.size();
    out.resize(start + length);
    char* const piece = out.data() + start;
    switch (ticked.count) {
    case 1: {
        const CharacterClass& cls = ticked.classes[0];
        for (std::size_t i = 0; i < length; ++i, bytes += 3)
            piece[i] = static_cast<char>(drawCodeFromBits(drawBits(bytes), cls.span, cls.base));
        break;
    }
    case 2:
        charactersFromPairs<2>(piece, length, ticked, bytes);
        break;
    case 3:
        charactersFromPairs<3>(piece, length, ticked, bytes);
        break;
    default:
        charactersFromPairs<4>(piece, length, ticked, bytes);
        break;
    }
}

} // namespace

void appendPassword(std::string& out, std::int32_t length, ClassTicks ticks, RandomSource& random) {
    const TickedClasses ticked = tickedClasses(ticks);
    if (ticked.count == 0 || length < 1)
        return;

    out.reserve(out.size() + static_cast<std::size_t>(length));
    const std::size_t drawsPerCharacter = ticked.count > 1 ? 2 : 1;
    for (std::int32_t done = 0; done < length;) {
        const std::int32_t piece = std::min(pieceLength, length - done);
        const auto pieceSize = static_cast<std::size_t>(piece);
        if (const unsigned char* bytes = random.takeDrawBytes(pieceSize * drawsPerCharacter)) {
            appendFromBytes(out, pieceSize, ticked, bytes);
            done += piece;
            continue;
        }
        // A source without bytes (a script), or the buffer's end: one draw at a time,
        // refilling where it runs out.
        const CharacterClass& cls =
            ticked.count > 1 ? ticked.classes[static_cast<std::size_t>(
                                   random.DrawCode(static_cast<int>(ticked.count), 1) - 1)]
                             : ticked.classes[0];
        // CharFromCode, without a string
        out += static_cast<char>(random.DrawCode(cls.span, cls.base));
        ++done;
    }
}

std::string composePassword(std::int32_t length, ClassTicks ticks, RandomSource& random) {
    std::string password;
    appendPassword(password, length, ticks, random);
    return password;
}

} // namespace quentara
