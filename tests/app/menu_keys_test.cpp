// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_fixture.h"
#include "support/row_name.h"

#include <vector>

namespace quentara {
namespace {

// A key pressed with modifiers in a box holding its first text, at its end.
struct AltCase {
    const char* name;
    GeneratorTab tab;
    const char* box;
    char key;
    Qt::KeyboardModifiers modifiers;
    const char* expected;
};

class AltTyping : public MainWindowTest, public testing::WithParamInterface<AltCase> {};

// Alt with a key is meant for the menus and types nothing; Ctrl+Alt is AltGr, which types.
TEST_P(AltTyping, TypesOnlyWithoutAlt) {
    const AltCase& row = GetParam();
    chooseTab(row.tab);
    QWidget* box = control(row.box);
    box->setFocus();
    QTest::keyClick(window->windowHandle(), row.key, row.modifiers);
    const auto* combo = qobject_cast<QComboBox*>(box);
    EXPECT_EQ(combo != nullptr ? combo->currentText() : qobject_cast<QLineEdit*>(box)->text(),
              row.expected);
    EXPECT_EQ(QApplication::focusWidget(), box);
}

constexpr Qt::KeyboardModifiers alt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers altShift = Qt::AltModifier | Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers altGr = Qt::ControlModifier | Qt::AltModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, AltTyping,
    testing::Values(
        AltCase{"easyLengthAltF", GeneratorTab::easy, "cmbLength", 'f', alt, "6"},
        AltCase{"passwordAltShiftF", GeneratorTab::easy, "txtResult", 'F', altShift, ""},
        AltCase{"fileLengthAltDigit", GeneratorTab::file, "Combo1", '1', alt, "8"},
        AltCase{"quantityAltDigit", GeneratorTab::file, "txtQuantity", '5', alt, "5000"},
        AltCase{"fileNameAltSpace", GeneratorTab::file, "txtFilename", ' ', alt, "C:\\pass.txt"},
        AltCase{"firstNameAltH", GeneratorTab::username, "txtFirstname", 'h', alt, ""},
        AltCase{"bitsAltB", GeneratorTab::hex, "cmbBits", 'b', alt, "Bits"},
        AltCase{"hexAltE", GeneratorTab::hex, "txtHexResult", 'e', alt, ""},
        AltCase{"lastNameAltGrTypes", GeneratorTab::username, "txtLastname", '@', altGr, "@"},
        AltCase{"userNameLetterTypes", GeneratorTab::username, "txtUserresult", 'f', {}, "f"}),
    RowName());

// Keys pressed one after another, from the focus in the length box; then the menu open, if any.
struct KeyStep {
    QTest::KeyAction action;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

struct MenuCase {
    const char* name;
    std::vector<KeyStep> keys;
    const char* openMenu; // empty: none
};

class MenuReach : public MainWindowTest, public testing::WithParamInterface<MenuCase> {};

// The menus open from the keyboard, and the box with the focus gets no text on the way.
TEST_P(MenuReach, OpensTheMenuFromTheKeyboard) {
    const MenuCase& row = GetParam();
    auto* box = control<QComboBox>("cmbLength");
    box->setFocus();
    for (const KeyStep& step : row.keys)
        QTest::keyEvent(step.action, window->windowHandle(), step.key, step.modifiers);
    QString open;
    for (const char* menu : {"mnuparrentFile", "mnuParrenthelp"}) {
        if (control<QMenu>(menu)->isVisible())
            open = QString::fromLatin1(menu);
    }
    EXPECT_EQ(open, row.openMenu);
    if (open.isEmpty()) {
        EXPECT_EQ(window->menuBar()->activeAction(), nullptr);
    }
    EXPECT_EQ(box->currentText(), "6");
}

constexpr QTest::KeyAction press = QTest::Press;
constexpr QTest::KeyAction release = QTest::Release;
constexpr QTest::KeyAction click = QTest::Click;

INSTANTIATE_TEST_SUITE_P(
    Keys, MenuReach,
    testing::Values(
        MenuCase{"f10OpensFile", {{click, Qt::Key_F10, {}}}, "mnuparrentFile"},
        MenuCase{"f10RightOpensHelp",
                 {{click, Qt::Key_F10, {}}, {click, Qt::Key_Right, {}}},
                 "mnuParrenthelp"},
        MenuCase{"altDownOpensFile",
                 {{click, Qt::Key_Alt, alt}, {click, Qt::Key_Down, {}}},
                 "mnuparrentFile"},
        MenuCase{"altRightDownOpensHelp",
                 {{click, Qt::Key_Alt, alt}, {click, Qt::Key_Right, {}}, {click, Qt::Key_Down, {}}},
                 "mnuParrenthelp"},
        // A letter pressed with Alt leaves the menu bar asleep when Alt comes up.
        MenuCase{"altWithALetterOpensNothing",
                 {{press, Qt::Key_Alt, alt}, {click, Qt::Key_F, alt}, {release, Qt::Key_Alt, {}}},
                 ""}),
    RowName());

} // namespace
} // namespace quentara
