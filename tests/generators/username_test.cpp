// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/username.h"
#include "support/draws.h"
#include "support/row_name.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quentara {
namespace {

// Counts code points, with combining accents (U+0300..U+036F) joined to the character
// before them: enough to see that the composer counts characters, not bytes.
class AccentAwareCodePoints final : public CharacterBoundaries {
public:
    std::size_t leadingBytes(std::string_view text, std::size_t count) const override {
        std::size_t position = 0;
        std::size_t found = 0;
        while (position < text.size()) {
            const auto lead = static_cast<unsigned char>(text[position]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            const bool accent =
                length == 2 &&
                (lead == 0xCC ||
                 (lead == 0xCD && static_cast<unsigned char>(text[position + 1]) < 0xB0));
            if (!accent) {
                if (found == count)
                    break;
                ++found;
            }
            position += length;
        }
        return position;
    }
};

struct UsernameCase {
    const char* name;
    const char* first;
    const char* last;
    std::vector<float> digitDraws;
    const char* expected;
};

class ComposeUsernameTable : public testing::TestWithParam<UsernameCase> {};

TEST_P(ComposeUsernameTable, TwoOfTheFirstThreeOfTheLastThenTwoDigits) {
    const UsernameCase& row = GetParam();
    ScriptedRandom script(row.digitDraws);
    EXPECT_EQ(composeUsername(row.first, row.last, AccentAwareCodePoints(), script), row.expected);
    EXPECT_EQ(script.remaining(), 0u) << "exactly two draws";
}

INSTANTIATE_TEST_SUITE_P(
    Names, ComposeUsernameTable,
    testing::Values(
        UsernameCase{"plain", "abcd", "wxyz", {0.0f, largestDraw}, "abwxy09"},
        UsernameCase{"bothEmpty", "", "", {0.5f, 0.25f}, "52"},
        UsernameCase{"firstEmpty", "", "Miller", {0.1f, 0.2f}, "Mil12"},
        UsernameCase{"lastEmpty", "Anna", "", {0.3f, 0.4f}, "An34"},
        UsernameCase{"short", "a", "wx", {0.6f, 0.75f}, "awx67"},
        UsernameCase{"exactLengths", "Jo", "Lee", {0.85f, 0.95f}, "JoLee89"},
        UsernameCase{"blankLed", " ann", "  lee", {0.0f, 0.0f}, " a  l00"},
        UsernameCase{
            "caseAndPunctuationKept", "ANN", "o'Neil", {largestDraw, largestDraw}, "ANo'N99"},
        UsernameCase{"latinBeyondAscii", "Ülrike", "Øster", {0.0f, 0.5f}, "ÜlØst05"},
        UsernameCase{"cjk", "山田花子", "太郎", {0.2f, 0.3f}, "山田太郎23"},
        UsernameCase{"combiningAccentStaysWithItsLetter",
                     "e\u0301mile",
                     "Zoe\u0308lla",
                     {0.4f, 0.6f},
                     "e\u0301mZoe\u0308"
                     "46"},
        UsernameCase{"fourByteCharacters", "😀😁😂", "𝒜𝒷", {0.95f, 0.1f}, "😀😁𝒜𝒷91"}),
    RowName());

TEST(ComposeUsername, FirstDrawGivesTheFirstDigitAndEachPressDrawsAfresh) {
    ScriptedRandom script({0.3f, 0.75f, 0.75f, 0.3f});
    EXPECT_EQ(composeUsername("abcd", "wxyz", AccentAwareCodePoints(), script), "abwxy37");
    EXPECT_EQ(composeUsername("abcd", "wxyz", AccentAwareCodePoints(), script), "abwxy73");
}

// A segmenter that claims more than the text holds cannot make the composer read past it.
class Overreaching final : public CharacterBoundaries {
public:
    std::size_t leadingBytes(std::string_view text, std::size_t) const override {
        return text.size() + 10;
    }
};

TEST(ComposeUsername, NeverReadsPastAName) {
    ScriptedRandom script({0.0f, 0.0f});
    EXPECT_EQ(composeUsername("ab", "c", Overreaching(), script), "abc00");
}

// A boundary source that cuts where it is told, right or wrong.
class FixedCut final : public CharacterBoundaries {
public:
    explicit FixedCut(std::size_t bytes) : bytes_(bytes) {}
    std::size_t leadingBytes(std::string_view, std::size_t) const override { return bytes_; }

private:
    std::size_t bytes_;
};

struct CutCase {
    const char* name;
    const char* first;
    std::size_t cut;
    const char* expected;
};

void PrintTo(const CutCase& row, std::ostream* out) {
    *out << row.name;
}

class ComposeUsernameMisplacedCut : public testing::TestWithParam<CutCase> {};

// Whatever the source says, the name part ends on a whole code point and never inside a flag:
// the character that the cut falls in is taken whole.
TEST_P(ComposeUsernameMisplacedCut, TakesTheCutCharacterWhole) {
    const CutCase& row = GetParam();
    ScriptedRandom script({0.0f, 0.0f});
    EXPECT_EQ(composeUsername(row.first, "", FixedCut(row.cut), script), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, ComposeUsernameMisplacedCut,
    testing::Values(CutCase{"afterTheFirstByteOfAnEmoji", "Jo😀x", 3, "Jo😀00"},
                    CutCase{"betweenSurrogateHalvesOfAnEmoji", "😀😀x", 6, "😀😀00"},
                    CutCase{"insideATwoByteLetter", "Üx", 1, "Ü00"},
                    CutCase{"insideAThreeByteLetter", "山田x", 4, "山田00"},
                    CutCase{"betweenTheHalvesOfAFlag", "🇩🇪🇫🇷", 4, "🇩🇪00"},
                    CutCase{"betweenTheHalvesOfTheSecondFlag", "🇩🇪🇫🇷x", 12, "🇩🇪🇫🇷00"},
                    CutCase{"betweenTwoFlags", "🇩🇪🇫🇷", 8, "🇩🇪00"},
                    CutCase{"beforeALoneIndicator", "🇩🇪🇫", 8, "🇩🇪00"},
                    CutCase{"betweenTheHalvesOfAFlagAfterALetter", "a🇩🇪x", 5, "a🇩🇪00"},
                    CutCase{"atTheEnd", "🇩🇪🇫", 12, "🇩🇪🇫00"}),
    RowName());

} // namespace
} // namespace quentara
