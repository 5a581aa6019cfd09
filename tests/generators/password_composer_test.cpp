// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/password_composer.h"
#include "generators/secure_random.h"
#include "support/draws.h"
#include "support/row_name.h"
#include "support/scripted_random.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quentara {
namespace {

struct ComposeCase {
    const char* name;
    ClassTicks ticks;
    std::int32_t length;
    std::vector<float> draws; // class pick (where one is made), then the character
    const char* expected;
};

class CombinationTable : public testing::TestWithParam<ComposeCase> {};

// Each row picks every ticked class once, in class-number order, so the expected text
// shows which draw picked which class: the first and the last character of each class.
TEST_P(CombinationTable, PicksTheClassThenTheCharacter) {
    const ComposeCase& row = GetParam();
    ScriptedRandom script(row.draws);
    EXPECT_EQ(composePassword(row.length, row.ticks, script), row.expected);
    EXPECT_EQ(script.remaining(), 0u) << "every scripted draw is used, and no more";
}

// Draws from fixed bytes, as the secure source serves its buffer; a draw past them throws.
class ScriptedBytes final : public RandomSource {
public:
    explicit ScriptedBytes(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {
        serveBytes(bytes_.data(), bytes_.data() + bytes_.size());
    }
    // Fewer than three bytes left: every draw was taken.
    bool allDrawn() { return takeDrawBytes(1) == nullptr; }

protected:
    float refill() override { throw std::logic_error("scripted bytes exhausted"); }

private:
    std::vector<unsigned char> bytes_;
};

// The row's draws as the secure buffer holds them: three bytes each, least significant first,
// of the smallest 24-bit k whose value k * 2^-24 is not below the draw.
std::vector<unsigned char> drawBytes(const std::vector<float>& draws) {
    std::vector<unsigned char> bytes;
    for (const float draw : draws) {
        const auto k = static_cast<std::uint32_t>(std::ceil(static_cast<double>(draw) * 0x1p24));
        bytes.insert(bytes.end(),
                     {static_cast<unsigned char>(k), static_cast<unsigned char>(k >> 8),
                      static_cast<unsigned char>(k >> 16)});
    }
    return bytes;
}

// From the secure buffer, a password's draws are taken in one piece; they must be the same.
TEST_P(CombinationTable, DrawsTheSameFromTheSecureBuffer) {
    const ComposeCase& row = GetParam();
    ScriptedBytes bytes(drawBytes(row.draws));
    EXPECT_EQ(composePassword(row.length, row.ticks, bytes), row.expected);
    EXPECT_TRUE(bytes.allDrawn()) << "every byte is used";
}

std::vector<float> picks(int classes) {
    // Class j of k is picked by (j - 1) / k; alternate first and last character of the class.
    std::vector<float> draws;
    for (int j = 0; j < classes; ++j) {
        draws.push_back(static_cast<float>(j) / static_cast<float>(classes));
        draws.push_back(j % 2 == 0 ? 0.0f : largestDraw);
    }
    return draws;
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, CombinationTable,
    testing::Values(
        ComposeCase{"all", {true, true, true, true}, 4, picks(4), "Az0+"},
        ComposeCase{"upperLowerDigits", {true, true, true, false}, 3, picks(3), "Az0"},
        ComposeCase{"upperLower", {true, true, false, false}, 2, picks(2), "Az"},
        ComposeCase{"upperLowerSymbols", {true, true, false, true}, 3, picks(3), "Az#"},
        ComposeCase{"upperDigits", {true, false, true, false}, 2, picks(2), "A9"},
        ComposeCase{"upperDigitsSymbols", {true, false, true, true}, 3, picks(3), "A9#"},
        ComposeCase{"digitsSymbols", {false, false, true, true}, 2, picks(2), "0+"},
        ComposeCase{"upperSymbols", {true, false, false, true}, 2, picks(2), "A+"},
        ComposeCase{"lowerSymbols", {false, true, false, true}, 2, picks(2), "a+"},
        ComposeCase{"lowerDigits", {false, true, true, false}, 2, picks(2), "a9"},
        ComposeCase{"lowerDigitsSymbols", {false, true, true, true}, 3, picks(3), "a9#"},
        // one class: no pick, one draw per character
        ComposeCase{"digits", {false, false, true, false}, 2, {0.0f, largestDraw}, "09"},
        ComposeCase{"upper", {true, false, false, false}, 2, {0.0f, largestDraw}, "AZ"},
        ComposeCase{"lower", {false, true, false, false}, 2, {0.0f, largestDraw}, "az"},
        ComposeCase{"symbols", {false, false, false, true}, 2, {0.0f, largestDraw}, "#+"},
        // nothing drawn at all
        ComposeCase{"noneTicked", {false, false, false, false}, 8, {}, ""},
        ComposeCase{"lengthZero", {true, true, true, true}, 0, {}, ""},
        ComposeCase{"lengthNegative", {true, true, true, true}, -5, {}, ""},
        // the last class number of k is reached by the largest draw, never k + 1
        ComposeCase{"topPickOfFour", {true, true, true, true}, 1, {largestDraw, 0.0f}, "#"},
        ComposeCase{
            "topPickOfThree", {true, true, true, false}, 1, {largestDraw, largestDraw}, "9"},
        ComposeCase{"topPickOfTwo", {false, true, false, true}, 1, {largestDraw, 0.0f}, "#"}),
    RowName());

TEST(ComposePassword, UppercaseAndDigitsTakeTwoDrawsPerCharacterWithTheClassFirst) {
    // Odd draws pick the class: below one half uppercase, from one half up a digit.
    ScriptedRandom script({0.49f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f, 0.99f, 0.99f, 0.2f, 0.2f, 0.7f,
                           0.2f, 0.3f, largestDraw, 0.6f, largestDraw});
    EXPECT_EQ(composePassword(8, {true, false, true, false}, script), "N5A9F2Z9");
    EXPECT_EQ(script.consumed(), 16u);
}

TEST(ComposePassword, FiftySymbolsTakeFiftyDraws) {
    std::vector<float> draws;
    for (int i = 0; i < 50; ++i)
        draws.push_back(static_cast<float>(i % 9) / 9.0f + 0.01f);
    ScriptedRandom script(draws);
    const std::string password = composePassword(50, {false, false, false, true}, script);
    ASSERT_EQ(password.size(), 50u);
    for (std::size_t i = 0; i < password.size(); ++i)
        EXPECT_EQ(password[i], "#$%&'()*+"[i % 9]) << "position " << i;
    EXPECT_EQ(script.consumed(), 50u);
}

TEST(AppendPassword, AddsToWhatIsThere) {
    ScriptedRandom script({0.0f, largestDraw});
    std::string line = "nr. 1    ";
    appendPassword(line, 2, {true, false, false, false}, script);
    EXPECT_EQ(line, "nr. 1    AZ");
}

TEST(ComposePassword, LongPasswordsHaveTheRequestedLengthFromTheTickedClassesOnly) {
    SecureRandom random;
    const std::string password = composePassword(100'000, {false, true, false, true}, random);
    ASSERT_EQ(password.size(), 100'000u);
    EXPECT_EQ(password.find_first_not_of("abcdefghijklmnopqrstuvwxyz#$%&'()*+"), std::string::npos);
    EXPECT_NE(password.find_first_of("#$%&'()*+"), std::string::npos);
    EXPECT_NE(password.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos);
}

} // namespace
} // namespace quentara
