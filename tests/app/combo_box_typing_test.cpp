// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_fixture.h"
#include "support/row_name.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QWheelEvent>
#include <optional>

namespace quentara {
namespace {

// A combo box, the tab it stands on, the button that reads it and the box of the result
// (the File Generator tab has none: Tab moves the focus on instead).
struct Combo {
    GeneratorTab tab;
    const char* name;
    const char* button;
    const char* resultBox;
};

const Combo bits{GeneratorTab::hex, "cmbBits", "cmdHexGenerate", "txtHexResult"};
const Combo easyLength{GeneratorTab::easy, "cmbLength", "cmdGenerate", "txtResult"};
const Combo fileLength{GeneratorTab::file, "Combo1", nullptr, nullptr};

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
    std::optional<LoadedScript> script;
    if (!row.draws.empty())
        script.emplace(random, row.draws);
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

// How the list is moved, or opened.
enum class Move { down, up, wheelDown, wheelUp, openList };
// How the text got into the box before the move.
enum class Edit { none, typed, pasted };

struct ListCase {
    const char* name;
    Combo combo;
    Edit edit;
    const char* text; // typed or pasted over the box's text
    Move move;
    const char* expected; // the text after the move; for openList, the item it starts on
};

void PrintTo(const ListCase& row, std::ostream* out) {
    *out << row.name;
}

class ComboBoxList : public MainWindowTest, public testing::WithParamInterface<ListCase> {
protected:
    // Turns the wheel over the box's arrow (over its edit field the wheel goes on to the box).
    void turnWheel(QComboBox* box, int delta) {
        const QPointF at(box->width() - 4, box->height() / 2.0);
        QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
    }
};

// The list stands on the item equal to the text on show, or on none: Down then gives the
// first item.
TEST_P(ComboBoxList, MovesFromTheTextOnShow) {
    const ListCase& row = GetParam();
    chooseTab(row.combo.tab);
    QComboBox* box = control<QComboBox>(row.combo.name);
    box->setFocus();
    if (row.edit == Edit::typed) {
        typeInto(row.combo.name, row.text);
    } else if (row.edit == Edit::pasted) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(row.text));
        pressKey(Qt::Key_A, Qt::ControlModifier);
        pressKey(Qt::Key_V, Qt::ControlModifier);
    }
    if (row.edit != Edit::none) {
        ASSERT_EQ(box->currentText(), row.text);
    }
    switch (row.move) {
    case Move::down:
        pressKey(Qt::Key_Down);
        break;
    case Move::up:
        pressKey(Qt::Key_Up);
        break;
    case Move::wheelDown:
        turnWheel(box, -120);
        break;
    case Move::wheelUp:
        turnWheel(box, 120);
        break;
    case Move::openList: {
        pressKey(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(box->view()->isVisible());
        const QModelIndex current = box->view()->currentIndex();
        EXPECT_EQ(current.isValid() ? current.data().toString() : QString(), row.expected);
        pressKey(Qt::Key_Escape);
        EXPECT_FALSE(box->view()->isVisible());
        return;
    }
    }
    EXPECT_EQ(box->currentText(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, ComboBoxList,
    testing::Values(
        ListCase{"easyLengthDownFromSix", easyLength, Edit::none, "", Move::down, "7"},
        ListCase{"easyLengthUpFromSix", easyLength, Edit::none, "", Move::up, "5"},
        ListCase{"fileLengthDownFromEight", fileLength, Edit::none, "", Move::down, "9"},
        ListCase{"bitsDownFromNoItem", bits, Edit::none, "", Move::down, "4 bits"},
        ListCase{"bitsUpFromNoItem", bits, Edit::none, "", Move::up, "Bits"},
        ListCase{"bitsWheelDownFromNoItem", bits, Edit::none, "", Move::wheelDown, "4 bits"},
        ListCase{"easyLengthWheelUpFromSix", easyLength, Edit::none, "", Move::wheelUp, "5"},
        ListCase{"typedItemDownSkipsEleven", easyLength, Edit::typed, "10", Move::down, "12"},
        ListCase{"typedElevenIsNoItem", fileLength, Edit::typed, "11", Move::down, "1"},
        ListCase{"typedOtherCaseIsNoItem", bits, Edit::typed, "8 BITS", Move::down, "4 bits"},
        ListCase{"pastedItemDown", bits, Edit::pasted, "32 bits", Move::down, "64 bits"},
        ListCase{"listOpensOnSix", easyLength, Edit::none, "", Move::openList, "6"},
        ListCase{"listOpensOnNoItem", bits, Edit::none, "", Move::openList, ""},
        ListCase{"listOpensOnTypedItem", bits, Edit::typed, "8 bits", Move::openList, "8 bits"},
        ListCase{"listOpensOnNoItemTyped", fileLength, Edit::typed, "11", Move::openList, ""}),
    RowName());

// Picking from the drop-down list still sets the box's text.
TEST_F(MainWindowTest, AnItemPickedFromTheListIsTheText) {
    chooseTab(GeneratorTab::hex);
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
