// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_window_fixture.h"
#include "support/row_name.h"

#include <QAccessible>
#include <QLocale>

namespace quentara {
namespace {

// increase and decrease: a screen reader's actions on the spinner.
enum class Action {
    upArrow,
    downArrow,
    keyClick,
    keyPress,
    keyRelease,
    heldKey,
    increase,
    decrease
};

struct SpinCase {
    const char* name;
    const char* start;
    Action action;
    const char* expected;
    Qt::Key key = Qt::Key_unknown; // for the key actions
};

class QuantitySpinner : public BatchWindowTest, public testing::WithParamInterface<SpinCase> {
protected:
    void doAccessibleAction(const QString& action) {
        QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(spinner());
        ASSERT_NE(spin->actionInterface(), nullptr);
        ASSERT_TRUE(spin->actionInterface()->actionNames().contains(action));
        spin->actionInterface()->doAction(action);
    }
};

// A held key: one press, then release+press pairs flagged as auto-repeat, then one release.
void holdKey(QWidget* widget, Qt::Key key, int repeats) {
    QTest::simulateEvent(widget, true, key, {}, QString(), false);
    for (int i = 0; i < repeats; ++i) {
        QTest::simulateEvent(widget, false, key, {}, QString(), true);
        QTest::simulateEvent(widget, true, key, {}, QString(), true);
    }
    QTest::simulateEvent(widget, false, key, {}, QString(), false);
}

const std::string hugeNumber(400, '9'); // beyond a double

TEST_P(QuantitySpinner, StepsTheQuantityText) {
    const SpinCase& row = GetParam();
    selectFileTab();
    control<QLineEdit>("txtQuantity")->setText(row.start);
    spinner()->setFocus();
    switch (row.action) {
    case Action::upArrow:
        clickArrow(true);
        break;
    case Action::downArrow:
        clickArrow(false);
        break;
    case Action::keyClick:
        QTest::keyClick(spinner(), row.key);
        break;
    case Action::keyPress:
        QTest::keyPress(spinner(), row.key);
        break;
    case Action::keyRelease:
        QTest::keyRelease(spinner(), row.key);
        break;
    case Action::heldKey:
        holdKey(spinner(), row.key, 3);
        break;
    case Action::increase:
        doAccessibleAction(QAccessibleActionInterface::increaseAction());
        break;
    case Action::decrease:
        doAccessibleAction(QAccessibleActionInterface::decreaseAction());
        break;
    }
    EXPECT_EQ(quantity(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, QuantitySpinner,
    testing::Values(SpinCase{"upAddsTen", "5000", Action::upArrow, "5010"},
                    SpinCase{"downTakesTen", "5000", Action::downArrow, "4990"},
                    SpinCase{"upFromEmpty", "", Action::upArrow, "10"},
                    SpinCase{"downFromEmpty", "", Action::downArrow, "-10"},
                    SpinCase{"noFloorAtZero", "0", Action::downArrow, "-10"},
                    SpinCase{"leadingNumber", "12abc", Action::upArrow, "22"},
                    SpinCase{"fraction", "7.5", Action::upArrow, "17.5"},
                    SpinCase{"lettersReadAsZero", "abc", Action::downArrow, "-10"},
                    SpinCase{"tooLargeForADoubleStays", hugeNumber.c_str(), Action::upArrow,
                             hugeNumber.c_str()},
                    SpinCase{"keyClickRewritesPlain", "05", Action::keyClick, "5", Qt::Key_A},
                    SpinCase{"keyClickKeepsTheValue", "5000", Action::keyClick, "5000", Qt::Key_A},
                    SpinCase{"arrowKeyIsAKeyToo", "5000", Action::keyClick, "5000", Qt::Key_Up},
                    // F10 also opens the menu, after the spinner has had both halves of it.
                    SpinCase{"menuKeyIsAKeyToo", "5000", Action::keyClick, "5000", Qt::Key_F10},
                    SpinCase{"keyDownTakesTen", "5000", Action::keyPress, "4990", Qt::Key_Space},
                    SpinCase{"keyDownAnyKey", "5000", Action::keyPress, "4990", Qt::Key_Up},
                    SpinCase{"keyUpAddsTen", "5000", Action::keyRelease, "5010", Qt::Key_Down},
                    SpinCase{"heldKeyEachRepeatTakesTen", "5000", Action::heldKey, "4970",
                             Qt::Key_B},
                    // A screen reader's steps are the arrows' steps.
                    SpinCase{"increaseAddsTen", "5000", Action::increase, "5010"},
                    SpinCase{"decreaseTakesTen", "5000", Action::decrease, "4990"},
                    SpinCase{"decreaseNoFloorAtZero", "0", Action::decrease, "-10"},
                    SpinCase{"increaseLeadingNumber", "12abc", Action::increase, "22"},
                    SpinCase{"increaseFraction", "7.5", Action::increase, "17.5"}),
    RowName());

struct LocaleCase {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    const char* start;
    const char* expected;
};

class QuantitySpinnerLocale : public BatchWindowTest,
                              public testing::WithParamInterface<LocaleCase> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(GetParam().language, GetParam().territory));
        BatchWindowTest::SetUp();
    }
    void TearDown() override { QLocale::setDefault(saved_); }

private:
    const QLocale saved_;
};

// A fraction is written with the user's decimal mark; the text is still read with ".".
TEST_P(QuantitySpinnerLocale, WritesTheLocalesDecimalMark) {
    selectFileTab();
    control<QLineEdit>("txtQuantity")->setText(GetParam().start);
    clickArrow(true);
    EXPECT_EQ(quantity(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, QuantitySpinnerLocale,
    testing::Values(
        LocaleCase{"germanComma", QLocale::German, QLocale::Germany, "7.5", "17,5"},
        LocaleCase{"germanWholeHasNoMark", QLocale::German, QLocale::Germany, "5000", "5010"},
        LocaleCase{"germanCommaEndsTheNumber", QLocale::German, QLocale::Germany, "7,5", "17"},
        LocaleCase{"americanDot", QLocale::English, QLocale::UnitedStates, "7.5", "17.5"},
        // The Arabic mark is not one byte of ASCII: the quantity stays plain "."
        LocaleCase{"arabicMarkFallsBackToDot", QLocale::Arabic, QLocale::Egypt, "-0.25", "9.75"}),
    RowName());

} // namespace
} // namespace quentara
