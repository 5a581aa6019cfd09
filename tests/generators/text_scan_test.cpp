// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/text_scan.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

namespace quentara {
namespace {

struct Shown {
    const char* name;
    std::string_view text;
    const char* shown;
};

class ControlsShown : public testing::TestWithParam<Shown> {};

TEST_P(ControlsShown, CannotReachTheTerminal) {
    EXPECT_EQ(quotedForMessage(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ControlsShown,
    testing::Values(Shown{"plain", "pass words.txt", "\"pass words.txt\""},
                    Shown{"lineEnds", "a\nb\r\tc", "\"a\\nb\\r\\tc\""},
                    Shown{"escapeSequence", "\x1b]0;owned\x07", "\"\\x1b]0;owned\\x07\""},
                    Shown{"nulAndDelete", std::string_view("a\0b\x7f", 4), "\"a\\x00b\\x7f\""},
                    Shown{"c1Csi",
                          "x\xc2\x9b"
                          "2J",
                          "\"x\\u009b2J\""},
                    Shown{"lettersBesideC1Stay", "\xc2\xa0\xc3\xa5", "\"\xc2\xa0\xc3\xa5\""},
                    Shown{"backslashStays", "C:\\pw.txt", "\"C:\\pw.txt\""}),
    RowName());

} // namespace
} // namespace quentara
