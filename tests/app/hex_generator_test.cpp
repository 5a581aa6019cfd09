// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/draws.h"
#include "support/main_window_fixture.h"
#include "support/row_name.h"

#include <QRegularExpression>

namespace quentara {
namespace {

using HexGeneratorWindow = MainWindowTest;

TEST_F(HexGeneratorWindow, EveryListItemGivesFourBitsPerUppercaseHexCharacter) {
    chooseTab(GeneratorTab::hex);
    QComboBox* bits = control<QComboBox>("cmbBits");
    const QRegularExpression hex(QStringLiteral("^[0-9A-F]*$"));
    ASSERT_EQ(bits->count(), 12);
    for (int i = 0; i < bits->count(); ++i) {
        bits->setCurrentIndex(i);
        click("cmdHexGenerate");
        const QString result = control<QLineEdit>("txtHexResult")->text();
        EXPECT_EQ(result.size(), bits->itemText(i).split(' ')[0].toInt() / 4)
            << bits->itemText(i).toStdString();
        EXPECT_TRUE(hex.match(result).hasMatch()) << result.toStdString();
    }
}

TEST_F(HexGeneratorWindow, TypedItemGivesTheScriptedCharacters) {
    chooseTab(GeneratorTab::hex);
    typeInto("cmbBits", "16 bits");
    LoadedScript script(random,
                        {0.0f, 0.0f, largestDraw, largestDraw, 0.0f, largestDraw, 0.5f, 0.5f});
    click("cmdHexGenerate");
    EXPECT_EQ(control<QLineEdit>("txtHexResult")->text(), "A9F5");
    EXPECT_EQ(script.remaining(), 0u);
}

class HexGeneratorOtherText : public MainWindowTest,
                              public testing::WithParamInterface<const char*> {};

// Texts that are not exactly one of the items, including the initial "Bits": the box is
// emptied, nothing is drawn, and the typed text stays as typed after the focus has left.
TEST_P(HexGeneratorOtherText, EmptiesTheResultWithoutDrawing) {
    chooseTab(GeneratorTab::hex);
    control<QLineEdit>("txtHexResult")->setText("ABC123");
    if (std::string(GetParam()) != "Bits")
        typeInto("cmbBits", GetParam());
    {
        LoadedScript noDraws(random, {});
        click("cmdHexGenerate");
        EXPECT_EQ(noDraws.consumed(), 0u);
    }
    EXPECT_EQ(control<QLineEdit>("txtHexResult")->text(), "");
    EXPECT_EQ(control<QComboBox>("cmbBits")->currentText(), GetParam());
    EXPECT_TRUE(messages.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Texts, HexGeneratorOtherText,
                         testing::Values("Bits", "8 BITS", "4 Bits", " 4 bits", "4 bits ",
                                         "8192bits", ""),
                         [](const testing::TestParamInfo<const char*>& row) {
                             return textRowName(row.param);
                         });

TEST_F(HexGeneratorWindow, EachPressDrawsANewStringOfTheSameLength) {
    chooseTab(GeneratorTab::hex);
    typeInto("cmbBits", "256 bits");
    click("cmdHexGenerate");
    const QString first = control<QLineEdit>("txtHexResult")->text();
    click("cmdHexGenerate");
    const QString second = control<QLineEdit>("txtHexResult")->text();
    EXPECT_EQ(first.size(), 64);
    EXPECT_EQ(second.size(), 64);
    EXPECT_NE(first, second);
}

} // namespace
} // namespace quentara
