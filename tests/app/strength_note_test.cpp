// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_fixture.h"

namespace quentara {
namespace {

// The note is both the tooltip and the accessible description: one for the mouse, one for
// screen readers.
QString noteOn(const QWidget* widget) {
    EXPECT_EQ(widget->toolTip(), widget->accessibleDescription());
    return widget->toolTip();
}

TEST_F(MainWindowTest, ResultBoxesTellTheStrengthOfTheResultOnShow) {
    QLineEdit* result = control<QLineEdit>("txtResult");
    EXPECT_EQ(noteOn(result), "");
    click("cmdGenerate"); // length 6, all four classes
    EXPECT_EQ(noteOn(result), "Strength: 35.8 bits (the most likely password: 1 in 2^31.0)");
    QTest::keyClick(result, Qt::Key_End);
    QTest::keyClicks(result, "x");
    EXPECT_EQ(noteOn(result), "Strength unknown: edited by hand");
    QTest::keyClick(result, Qt::Key_Backspace); // back to the generated text
    EXPECT_EQ(noteOn(result), "Strength: 35.8 bits (the most likely password: 1 in 2^31.0)");
    typeInto("txtResult", "");
    EXPECT_EQ(noteOn(result), "");

    QComboBox* bits = control<QComboBox>("cmbBits");
    bits->setCurrentIndex(bits->findText("128 bits"));
    click("cmdHexGenerate");
    EXPECT_EQ(noteOn(control("txtHexResult")),
              "Strength: 126.5 bits (the most likely hex string: 1 in 2^114.7)");
    click("cmduserGenerate");
    EXPECT_EQ(noteOn(control("txtUserresult")),
              "Strength: 6.6 bits (the most likely user name: 1 in 2^6.6)");
}

TEST_F(MainWindowTest, FileGenerateButtonTellsTheStrengthOfEachPassword) {
    QWidget* generate = control("cmdGenerateFile");
    EXPECT_EQ(noteOn(generate),
              "Strength of each password: 47.8 bits (the most likely password: 1 in 2^41.4)");
    typeInto("Combo1", "6");
    setTicks({"Check3"}, false);
    EXPECT_EQ(noteOn(generate),
              "Strength of each password: 35.0 bits (the most likely password: 1 in 2^29.4)");
    typeInto("Combo1", "six");
    EXPECT_EQ(noteOn(generate), "");
}

} // namespace
} // namespace quentara
