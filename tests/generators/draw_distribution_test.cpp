// SPDX-License-Identifier: GPL-3.0-or-later
// Proofs that the draws are fair: every one of the 2^24 draw values, through each generator's
// own draws, and a goodness-of-fit test on a few million characters from a fixed stream.
#include "generators/hex_string.h"
#include "generators/password_composer.h"
#include "generators/username.h"
#include "support/draws.h"
#include "support/row_name.h"
#include "support/scripted_random.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace quentara {
namespace {

constexpr std::uint32_t drawValues = 1u << 24;
constexpr std::uint32_t chunk = 1u << 20; // whole hex strings and whole digit pairs

// The k-th of the values that NextRandom can give: k * 2^-24.
float drawValue(std::uint32_t k) {
    return static_cast<float>(k) * 0x1p-24f;
}

class NoNames final : public CharacterBoundaries {
public:
    std::size_t leadingBytes(std::string_view, std::size_t) const override { return 0; }
};

// Each generator makes one character of interest from each value in `values`.
using Produce = std::string (*)(const std::vector<float>& values);

std::string oneClass(const std::vector<float>& values, ClassTicks ticks) {
    ScriptedRandom script(values);
    return composePassword(static_cast<std::int32_t>(values.size()), ticks, script);
}

// Pairs each value with a fixed draw, the value first or second.
std::vector<float> paired(const std::vector<float>& values, float fixed, bool valueFirst) {
    std::vector<float> draws(2 * values.size(), fixed);
    for (std::size_t i = 0; i < values.size(); ++i)
        draws[2 * i + (valueFirst ? 0 : 1)] = values[i];
    return draws;
}

// Each value picks the class; the draw after it, 0, gives the class's first character.
std::string pickedClass(const std::vector<float>& values, ClassTicks ticks) {
    ScriptedRandom script(paired(values, 0.0f, true));
    return composePassword(static_cast<std::int32_t>(values.size()), ticks, script);
}

// Each value is the coin (with 0 after it: "A" or "0") or the code after a fixed coin.
std::string hexCharacters(const std::vector<float>& values, bool valueIsCoin, float coin) {
    ScriptedRandom script(paired(values, valueIsCoin ? 0.0f : coin, valueIsCoin));
    std::string produced;
    while (produced.size() < values.size())
        produced += composeHexString("8192 bits", script);
    return produced;
}

std::string usernameDigits(const std::vector<float>& values) {
    ScriptedRandom script(values);
    std::string produced;
    while (produced.size() < values.size())
        produced += composeUsername("", "", NoNames(), script);
    return produced;
}

struct SpanCase {
    const char* name;
    Produce produce;
    const char* outcomes;
    std::uint32_t fewest; // 2^24 / span, rounded down
};

void PrintTo(const SpanCase& row, std::ostream* out) {
    *out << row.name;
}

class EveryDrawValue : public testing::TestWithParam<SpanCase> {};

// The 2^24 values split over the outcomes as evenly as they can: no outcome has two
// values more than another.
TEST_P(EveryDrawValue, GivesEveryOutcomeEquallyOftenWithinOne) {
    const SpanCase& row = GetParam();
    std::array<std::uint32_t, 256> counts{};
    std::vector<float> values(chunk);
    for (std::uint32_t first = 0; first < drawValues; first += chunk) {
        for (std::uint32_t i = 0; i < chunk; ++i)
            values[i] = drawValue(first + i);
        const std::string produced = row.produce(values);
        ASSERT_EQ(produced.size(), chunk);
        for (const char c : produced)
            ++counts[static_cast<unsigned char>(c)];
    }
    std::uint32_t total = 0;
    for (const char c : std::string_view(row.outcomes)) {
        const std::uint32_t count = counts[static_cast<unsigned char>(c)];
        EXPECT_TRUE(count == row.fewest || count == row.fewest + 1) << c << ": " << count;
        total += count;
    }
    EXPECT_EQ(total, drawValues) << "some values gave other outcomes";
}

INSTANTIATE_TEST_SUITE_P(
    EverySpanInUse, EveryDrawValue,
    testing::Values(
        SpanCase{"uppercase",
                 [](const std::vector<float>& v) { return oneClass(v, {.uppercase = true}); },
                 "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 645277},
        SpanCase{"lowercase",
                 [](const std::vector<float>& v) { return oneClass(v, {.lowercase = true}); },
                 "abcdefghijklmnopqrstuvwxyz", 645277},
        SpanCase{"digits",
                 [](const std::vector<float>& v) { return oneClass(v, {.digits = true}); },
                 "0123456789", 1677721},
        SpanCase{"symbols",
                 [](const std::vector<float>& v) { return oneClass(v, {.symbols = true}); },
                 "#$%&'()*+", 1864135},
        SpanCase{"twoClasses",
                 [](const std::vector<float>& v) {
                     return pickedClass(v, {true, true});
                 },
                 "Aa", 8388608},
        SpanCase{"threeClasses",
                 [](const std::vector<float>& v) {
                     return pickedClass(v, {true, true, true});
                 },
                 "Aa0", 5592405},
        SpanCase{"fourClasses",
                 [](const std::vector<float>& v) {
                     return pickedClass(v, {true, true, true, true});
                 },
                 "Aa0#", 4194304},
        SpanCase{"hexCoin",
                 [](const std::vector<float>& v) { return hexCharacters(v, true, 0.0f); }, "A0",
                 8388608},
        SpanCase{"hexLetters",
                 [](const std::vector<float>& v) { return hexCharacters(v, false, 0.0f); },
                 "ABCDEF", 2796202},
        SpanCase{"hexDigits",
                 [](const std::vector<float>& v) { return hexCharacters(v, false, largestDraw); },
                 "0123456789", 1677721},
        SpanCase{"usernameDigits", usernameDigits, "0123456789", 1677721}),
    RowName());

// Draw values from the test's own seeded generator: the same stream on every run.
std::vector<float> fixedDraws(std::size_t count) {
    std::mt19937 engine(20261207);
    std::vector<float> draws(count);
    for (float& draw : draws)
        draw = drawValue(static_cast<std::uint32_t>(engine() >> 8));
    return draws;
}

std::vector<std::uint64_t> counted(std::string_view produced, std::string_view alphabet) {
    std::vector<std::uint64_t> counts(alphabet.size());
    for (const char c : produced) {
        const std::size_t at = alphabet.find(c);
        if (at == std::string_view::npos) {
            ADD_FAILURE() << "unexpected character " << c;
            return counts;
        }
        ++counts[at];
    }
    return counts;
}

// `groups` of outcomes, each outcome of a group with the same probability.
std::vector<double> probabilities(std::initializer_list<std::pair<int, double>> groups) {
    std::vector<double> result;
    for (const auto& [outcomes, probability] : groups)
        result.insert(result.end(), static_cast<std::size_t>(outcomes), probability);
    return result;
}

// Pearson's statistic of `counts` out of `samples` against the outcomes' probabilities.
double chiSquare(const std::vector<std::uint64_t>& counts, std::size_t samples,
                 const std::vector<double>& probabilities) {
    double sum = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double expected = static_cast<double>(samples) * probabilities[i];
        const double difference = static_cast<double>(counts[i]) - expected;
        sum += difference * difference / expected;
    }
    return sum;
}

// The limits are the values that a fair source exceeds with probability 10^-9 for the
// degrees of freedom named: a failure means a biased draw, never bad luck.
TEST(GoodnessOfFit, EasyPasswordPicksTheClassFirstThenTheCharacter) {
    constexpr std::int32_t length = 2'000'000;
    ScriptedRandom script(fixedDraws(2 * length));
    const std::string password = composePassword(length, {true, true, true, true}, script);
    const auto counts = counted(password, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                          "0123456789#$%&'()*+");
    // A class is a quarter, so a letter is 1/104, a digit 1/40 and a symbol 1/36.
    const auto expected = probabilities({{52, 1.0 / 104}, {10, 1.0 / 40}, {9, 1.0 / 36}});
    EXPECT_LT(chiSquare(counts, password.size(), expected), 165.65); // 70 degrees of freedom
    EXPECT_EQ(script.remaining(), 0u);
}

TEST(GoodnessOfFit, HexLettersAndDigitsAreHalfEach) {
    ScriptedRandom script(fixedDraws(1000 * 2 * 2048));
    std::string hex;
    for (int i = 0; i < 1000; ++i)
        hex += composeHexString("8192 bits", script);
    // Half letters, so a letter is 1/12; half digits, so a digit is 1/20.
    const auto expected = probabilities({{6, 1.0 / 12}, {10, 1.0 / 20}});
    EXPECT_LT(chiSquare(counted(hex, "ABCDEF0123456789"), hex.size(), expected),
              73.63); // 15 degrees of freedom
}

TEST(GoodnessOfFit, UsernameDigitPairsAreEquallyLikely) {
    constexpr int names = 1'000'000;
    ScriptedRandom script(fixedDraws(2 * names));
    std::vector<std::uint64_t> counts(100);
    for (int i = 0; i < names; ++i) {
        const std::string digits = composeUsername("", "", NoNames(), script);
        ++counts.at(static_cast<std::size_t>((digits[0] - '0') * 10 + (digits[1] - '0')));
    }
    EXPECT_LT(chiSquare(counts, names, probabilities({{100, 0.01}})),
              207.90); // 99 degrees of freedom
}

} // namespace
} // namespace quentara
