// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/draws.h"
#include "support/main_window_fixture.h"
#include "support/row_name.h"

namespace quentara {
namespace {

struct EasyCase {
    const char* name;
    const char* lengthText;
    std::vector<const char*> unticked;
    std::vector<float> draws;
    const char* expected;
};

class EasyGenerator : public MainWindowTest, public testing::WithParamInterface<EasyCase> {};

TEST_P(EasyGenerator, GenerateShowsThePasswordOfTheTickedClasses) {
    const EasyCase& row = GetParam();
    control<QLineEdit>("txtResult")->setText("old");
    typeInto("cmbLength", row.lengthText);
    for (const char* box : row.unticked)
        setTicks({box}, false);
    LoadedScript script(random, row.draws);
    click("cmdGenerate");
    EXPECT_EQ(control<QLineEdit>("txtResult")->text(), row.expected);
    EXPECT_EQ(script.remaining(), 0u);
    EXPECT_TRUE(messages.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    TickCombinations, EasyGenerator,
    testing::Values(
        EasyCase{"allFour",
                 "4",
                 {},
                 {0.0f, 0.0f, 0.25f, largestDraw, 0.5f, 0.0f, 0.75f, largestDraw},
                 "Az0+"},
        EasyCase{"upperAndDigits",
                 "2",
                 {"chkCharlow", "chkSym"},
                 {0.49f, largestDraw, 0.5f, 0.0f},
                 "Z0"},
        EasyCase{"onlySymbols",
                 "3",
                 {"chkCharup", "chkCharlow", "chkNum"},
                 {0.0f, 0.5f, largestDraw},
                 "#'+"},
        EasyCase{"lowerDigitsSymbols", " 2.5 ", {"chkCharup"}, {0.4f, 0.0f, 0.9f, 0.0f}, "0#"},
        EasyCase{"noneTickedEmpties", "6", {"chkCharup", "chkCharlow", "chkNum", "chkSym"}, {}, ""},
        EasyCase{"noneTickedAboveTheCapEmpties",
                 "5000000",
                 {"chkCharup", "chkCharlow", "chkNum", "chkSym"},
                 {},
                 ""},
        EasyCase{"zeroEmpties", "0", {}, {}, ""}, EasyCase{"negativeEmpties", "-4", {}, {}, ""}),
    RowName());

TEST_F(MainWindowTest, AListedLengthGivesAPasswordOfThatLength) {
    QComboBox* length = control<QComboBox>("cmbLength");
    length->setCurrentIndex(length->findText("50"));
    click("cmdGenerate");
    EXPECT_EQ(control<QLineEdit>("txtResult")->text().size(), 50);
    typeInto("cmbLength", "200");
    click("cmdGenerate");
    EXPECT_EQ(control<QLineEdit>("txtResult")->text().size(), 200);
}

struct BadLength {
    const char* text;
    const char* reason;
};

class EasyGeneratorBadLength : public MainWindowTest,
                               public testing::WithParamInterface<BadLength> {};

TEST_P(EasyGeneratorBadLength, TellsWhyAndKeepsTheResult) {
    control<QLineEdit>("txtResult")->setText("previous");
    typeInto("cmbLength", GetParam().text);
    setTicks({"chkCharup", "chkCharlow", "chkNum", "chkSym"}, false); // even with nothing ticked
    {
        LoadedScript noDraws(random, {});
        click("cmdGenerate");
    }
    EXPECT_EQ(control<QLineEdit>("txtResult")->text(), "previous");
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(GetParam().reason)) << messages.texts[0].toStdString();
    EXPECT_TRUE(messages.texts[0].contains("from 0 to 1000000"));

    // The window stays usable: a good length works at once.
    setTicks({"chkNum"}, true);
    typeInto("cmbLength", "3");
    click("cmdGenerate");
    EXPECT_EQ(control<QLineEdit>("txtResult")->text().size(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EasyGeneratorBadLength,
    testing::Values(BadLength{"", "No length"}, BadLength{"abc", "not a number"},
                    BadLength{"12abc", "not a number"}, BadLength{"99999999999", "out of range"}),
    [](const testing::TestParamInfo<BadLength>& row) { return textRowName(row.param.text); });

} // namespace
} // namespace quentara
