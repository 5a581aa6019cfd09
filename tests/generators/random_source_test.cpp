// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/random_source.h"
#include "support/draws.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace quentara {
namespace {

struct SpanBase {
    int span;
    int base;
};

class DrawCodeEnds : public testing::TestWithParam<SpanBase> {};

// At the top of the range a float sum would round up to base + span, one past the class.
TEST_P(DrawCodeEnds, FirstAndLastCodeAtBothEndsOfTheRange) {
    const auto [span, base] = GetParam();
    ScriptedRandom script({0.0f, largestDraw});
    EXPECT_EQ(script.DrawCode(span, base), base);
    EXPECT_EQ(script.DrawCode(span, base), base + span - 1);
    EXPECT_EQ(script.consumed(), 2u);
}

INSTANTIATE_TEST_SUITE_P(EverySpanInUse, DrawCodeEnds,
                         testing::Values(SpanBase{26, 65}, SpanBase{26, 97}, SpanBase{10, 48},
                                         SpanBase{9, 35}, SpanBase{2, 1}, SpanBase{3, 1},
                                         SpanBase{4, 1}, SpanBase{6, 65}),
                         [](const testing::TestParamInfo<SpanBase>& row) {
                             return "span" + std::to_string(row.param.span) + "base" +
                                    std::to_string(row.param.base);
                         });

TEST(DrawCode, SplitsTheRangeIntoEqualParts) {
    // 0.5 is where the second of two halves begins.
    ScriptedRandom script({0.49999997f, 0.5f, 0.25f, 0.75f});
    EXPECT_EQ(script.DrawCode(2, 1), 1);
    EXPECT_EQ(script.DrawCode(2, 1), 2);
    EXPECT_EQ(script.DrawCode(4, 1), 2);
    EXPECT_EQ(script.DrawCode(4, 1), 4);
}

TEST(CharFromCode, GivesTheOneCharacterOfTheCode) {
    ScriptedRandom script({});
    EXPECT_EQ(CharFromCode(65), "A");
    EXPECT_EQ(CharFromCode(35), "#");
    EXPECT_EQ(CharFromCode(43), "+");
    EXPECT_EQ(script.consumed(), 0u);
}

TEST(ScriptedRandom, EachScriptKeepsItsOwnPlaceAndThrowsPastItsEnd) {
    ScriptedRandom outer({0.25f, 0.5f});
    {
        ScriptedRandom inner({0.75f});
        EXPECT_EQ(inner.NextRandom(), 0.75f);
        EXPECT_THROW(inner.NextRandom(), std::logic_error);
    }
    EXPECT_EQ(outer.NextRandom(), 0.25f);
    EXPECT_EQ(outer.remaining(), 1u);
}

} // namespace
} // namespace quentara
