// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/random.h"
#include "support/main_window_fixture.h"
#include "support/row_name.h"

#include <QAbstractItemView>
#include <optional>

namespace quentara {
namespace {

// A combo box, the tab it stands on, the button that reads it and the box of the result
// (the File Generator tab has none: Tab moves the focus on instead).
struct Combo {
    int tab;
    const char* name;
    const char* button;
    const char* resultBox;
};

const Combo bits{3, "cmbBits", "cmdHexGenerate", "txtHexResult"};
const Combo easyLength{0, "cmbLength", "cmdGenerate", "txtResult"};
const Combo fileLength{1, "Combo1", nullptr, nullptr};

struct TypedCase {
    const char* name;
    Combo combo;
    const char* typed;
    std::vector<float> draws; // none: not scripted, as a text that draws nothing needs none
    const char* expected;
};

void PrintTo(const TypedCase& row, std::ostream* out) {
    *out << row.name;
}

class ComboBoxTyping : public MainWindowTest, public testing::WithParamInterface<TypedCase> {};

// Key by key, as a user types, then at once Generate: no list item may complete, replace or
// re-case the text.
TEST_P(ComboBoxTyping, KeepsExactlyWhatWasTyped) {
    const TypedCase& row = GetParam();
    chooseTab(row.combo.tab);
    typeInto(row.combo.name, row.typed);
    std::optional<ScriptedRandom> script;
    if (!row.draws.empty())
        script.emplace(row.draws);
    if (row.combo.button != nullptr)
        click(row.combo.button);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(control<QComboBox>(row.combo.name)->currentText(), row.typed);
    if (row.combo.resultBox != nullptr) {
        EXPECT_EQ(control<QLineEdit>(row.combo.resultBox)->text(), row.expected);
    }
    if (script) {
        EXPECT_EQ(script->remaining(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ComboBoxTyping,
    testing::Values(TypedCase{"bitsTwoIsNot256Bits", bits, "2", {}, ""},
                    TypedCase{"bitsFourIsNot4Bits", bits, "4", {}, ""},
                    TypedCase{"bitsEightyOneIsNot8192Bits", bits, "81", {}, ""},
                    TypedCase{"bitsUppercaseIsNotAnItem", bits, "4 BITS", {}, ""},
                    TypedCase{"bitsWholeItemGenerates", bits, "4 bits", {0.0f, 0.0f}, "A"},
                    TypedCase{"easyLengthOne", easyLength, "1", {0.0f, 0.0f}, "A"},
                    TypedCase{"easyLengthFive", easyLength, "5", std::vector(10, 0.0f), "AAAAA"},
                    TypedCase{"fileLengthOne", fileLength, "1", {}, ""},
                    TypedCase{"fileLengthFour", fileLength, "4", {}, ""}),
    RowName());

// Picking from the drop-down list still sets the box's text.
TEST_F(MainWindowTest, AnItemPickedFromTheListIsTheText) {
    chooseTab(3);
    QComboBox* box = control<QComboBox>("cmbBits");
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(6, 0)).center());
    EXPECT_EQ(box->currentText(), "256 bits");
    click("cmdHexGenerate");
    EXPECT_EQ(control<QLineEdit>("txtHexResult")->text().size(), 64);
}

} // namespace
} // namespace quentara
