// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grapheme_boundaries.h"
#include "generators/username.h"
#include "support/draws.h"
#include "support/row_name.h"
#include "support/scripted_random.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quentara {
namespace {

struct NameCase {
    const char* name;
    const char* first;
    const char* last;
    const char* expected;
};

void PrintTo(const NameCase& row, std::ostream* out) {
    *out << row.name;
}

class UsernameWithQtBoundaries : public testing::TestWithParam<NameCase> {};

// An emoji before text of a complex script makes Qt's finder report a boundary after every
// UTF-16 unit; the name part still ends on whole characters.
TEST_P(UsernameWithQtBoundaries, TakesWholeCharactersOnly) {
    const NameCase& row = GetParam();
    ScriptedRandom script({0.0f, largestDraw});
    EXPECT_EQ(composeUsername(row.first, row.last, GraphemeBoundaries(), script), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, UsernameWithQtBoundaries,
    testing::Values(NameCase{"twoEmojiBeforeSharadaNumber", "Jo", "😀😀𑇪",
                             "Jo😀😀𑇪09"},
                    NameCase{"flagBeforeSharadaNumber", "🇩🇪𑇪", "", "🇩🇪𑇪09"},
                    NameCase{"twoFlagsBeforeDevanagari", "🇩🇪🇫🇷क", "", "🇩🇪🇫🇷09"},
                    NameCase{"threeEmojiBeforeThai", "", "😀😀😀ก", "😀😀😀09"},
                    NameCase{"vowelSignStaysWithItsLetter", "😀कि", "", "😀कि09"},
                    NameCase{"skinToneStaysWithItsEmoji", "👍🏽क", "", "👍🏽क09"},
                    NameCase{"familyEmojiBeforeThai", "", "👩‍👩‍👧‍👦กx",
                             "👩‍👩‍👧‍👦กx09"},
                    // U+FEFF first is a character of the name, not a byte order mark to drop.
                    NameCase{"leadingZeroWidthNoBreakSpace",
                             "\xEF\xBB\xBF"
                             "Jo",
                             "",
                             "\xEF\xBB\xBF"
                             "J09"}),
    RowName());

bool isValidUtf8(const std::string& text) {
    // Qt replaces every ill-formed sequence, so only valid UTF-8 comes back unchanged.
    return QString::fromStdString(text).toStdString() == text;
}

// Every code point from U+0900 to U+11FFF after two emoji: a last name of three characters is
// kept whole, and a first name cut after two characters is still valid UTF-8.
TEST(UsernameWithQtBoundariesSweep, NeverCutsACodePointAfterTwoEmoji) {
    constexpr char32_t first = 0x900;
    constexpr char32_t last = 0x11FFF;
    ScriptedRandom script(std::vector<float>(4 * (last - first + 1), 0.0f));
    const GraphemeBoundaries boundaries;
    std::vector<char32_t> broken;
    for (char32_t c = first; c <= last; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue; // surrogates are not characters
        const std::string name = "😀😀" + QString::fromUcs4(&c, 1).toStdString();
        const std::string whole = composeUsername("Jo", name, boundaries, script);
        const std::string cut = composeUsername(name, "", boundaries, script);
        if (whole != "Jo" + name + "00" || !isValidUtf8(cut) || !cut.starts_with("😀😀"))
            broken.push_back(c);
    }
    EXPECT_TRUE(broken.empty()) << broken.size() << " code points, the first U+" << std::hex
                                << static_cast<std::uint32_t>(broken.front());
}

} // namespace
} // namespace quentara
