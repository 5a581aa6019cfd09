// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_fixture.h"
#include "support/row_name.h"
#include "widgets/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>

namespace quentara {
namespace {

using MainWindowLayout = MainWindowTest;

TEST_F(MainWindowLayout, StartsWithTheInitialContents) {
    for (const char* box :
         {"chkNum", "chkSym", "chkCharup", "chkCharlow", "check4", "Check3", "check2", "Check1"})
        EXPECT_TRUE(control<QCheckBox>(box)->isChecked()) << box;
    EXPECT_EQ(control<QComboBox>("cmbLength")->currentText(), "6");
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), "8");
    EXPECT_EQ(control<QComboBox>("cmbBits")->currentText(), "Bits");
    EXPECT_EQ(control<QLineEdit>("txtQuantity")->text(), "5000");
    EXPECT_EQ(control<QLineEdit>("txtFilename")->text(), "C:\\pass.txt");
    for (const char* box :
         {"txtResult", "txtFirstname", "txtLastname", "txtUserresult", "txtHexResult"})
        EXPECT_EQ(control<QLineEdit>(box)->text(), "") << box;
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(control<QProgressBar>("prgPrint")->isHidden());
    EXPECT_TRUE(control<QPushButton>("cmdGenerateFile")->isVisibleTo(tabs()->page(1)));
    EXPECT_TRUE(window->findChild<QAction*>("mnuCopy")->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Quentara");
}

TEST_F(MainWindowLayout, HasFourTabsAndTheMenus) {
    QTabBar* bar = tabs()->tabBar();
    ASSERT_EQ(bar->count(), 4);
    EXPECT_EQ(bar->tabText(0), "Easy Generator");
    EXPECT_EQ(bar->tabText(1), "File Generator");
    EXPECT_EQ(bar->tabText(2), "Username");
    EXPECT_EQ(bar->tabText(3), "Hex Generator");

    const QList<QAction*> bar_menus = window->menuBar()->actions();
    ASSERT_EQ(bar_menus.size(), 2);
    EXPECT_EQ(bar_menus[0]->menu()->objectName(), "mnuparrentFile");
    EXPECT_EQ(bar_menus[0]->text(), "File");
    EXPECT_EQ(bar_menus[1]->menu()->objectName(), "mnuParrenthelp");
    EXPECT_EQ(bar_menus[1]->text(), "Help");
    const QList<QAction*> file = bar_menus[0]->menu()->actions();
    ASSERT_EQ(file.size(), 2);
    EXPECT_EQ(file[0]->objectName(), "mnuCopy");
    EXPECT_EQ(file[0]->text(), "Copy");
    EXPECT_EQ(file[0]->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(file[1]->objectName(), "mnuExit");
    EXPECT_EQ(file[1]->text(), "Exit");
    const QList<QAction*> help = bar_menus[1]->menu()->actions();
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0]->objectName(), "mnuAbout");
    EXPECT_EQ(help[0]->text(), "About");
    for (QAction* item : file + help) {
        EXPECT_TRUE(item->isEnabled() && item->isVisible()) << item->text().toStdString();
        EXPECT_FALSE(item->isChecked());
    }
}

TEST_F(MainWindowLayout, LengthListsSkipElevenAndBitsListHasTwelveItems) {
    const QStringList lengths = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                 "12", "13", "14", "15", "16", "17", "18", "19", "20", "21",
                                 "22", "23", "24", "25", "26", "27", "28", "29", "30", "31",
                                 "32", "33", "34", "35", "36", "37", "38", "39", "40", "41",
                                 "42", "43", "44", "45", "46", "47", "48", "49", "50"};
    const QStringList bits = {"4 bits",    "8 bits",    "16 bits",   "32 bits",
                              "64 bits",   "128 bits",  "256 bits",  "512 bits",
                              "1024 bits", "2048 bits", "4096 bits", "8192 bits"};
    for (const auto& [name, expected] :
         {std::pair{"cmbLength", lengths}, std::pair{"Combo1", lengths},
          std::pair{"cmbBits", bits}}) {
        QComboBox* combo = control<QComboBox>(name);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, expected) << name;
        EXPECT_EQ(combo->findText("11"), -1) << name;
        EXPECT_TRUE(combo->isEditable()) << name;
    }
}

TEST_F(MainWindowLayout, ClientAreaIsFixedAndTheWindowHasNoMinimizeOrMaximize) {
    EXPECT_EQ(window->centralWidget()->size(), QSize(375, 214));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(tabs()->geometry(), QRect(0, 0, 377, 217));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::MSWindowsFixedSizeDialogHint) << "no sizing border on Windows";
    EXPECT_FALSE(flags & Qt::FramelessWindowHint) << "the window system draws the title bar here";
}

struct Placement {
    const char* name;
    int left, top, width, height; // twips, relative to the tab control
};

class ControlPlacement : public MainWindowTest, public testing::WithParamInterface<Placement> {};

TEST_P(ControlPlacement, StandsWhereTheLayoutPutsIt) {
    const Placement& p = GetParam();
    QWidget* widget = control(p.name);
    const QRect expected = twipsRect(p.left, p.top, p.width, p.height);
    const QRect actual(widget->mapTo(tabs(), QPoint(0, 0)), widget->size());
    if (qobject_cast<QLabel*>(widget) != nullptr) {
        // A label may move and grow leftwards to show its whole caption clear of its box,
        // never to the right.
        EXPECT_LE(actual.right(), expected.right()) << p.name;
        EXPECT_LE(actual.left(), expected.left()) << p.name;
        EXPECT_EQ(actual.top(), expected.top()) << p.name;
        EXPECT_EQ(actual.height(), expected.height()) << p.name;
    } else {
        EXPECT_EQ(actual, expected) << p.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryControl, ControlPlacement,
    testing::Values(
        Placement{"chkNum", 960, 540, 1815, 255}, Placement{"chkSym", 2880, 540, 1815, 255},
        Placement{"chkCharup", 960, 900, 1815, 255}, Placement{"chkCharlow", 2880, 900, 1815, 255},
        Placement{"lblLength", 1320, 1380, 615, 255}, Placement{"cmbLength", 2040, 1260, 1695, 315},
        Placement{"lblPass", 480, 2280, 495, 255}, Placement{"txtResult", 960, 2220, 3495, 285},
        Placement{"cmdGenerate", 1800, 2640, 1935, 375}, Placement{"check4", 960, 540, 1815, 255},
        Placement{"Check3", 2880, 540, 1815, 255}, Placement{"check2", 960, 900, 1815, 255},
        Placement{"Check1", 2880, 900, 1815, 255}, Placement{"Label1", 1320, 1260, 615, 255},
        Placement{"Combo1", 2040, 1260, 1695, 315}, Placement{"lblQuantity", 1320, 1620, 615, 255},
        Placement{"txtQuantity", 2040, 1620, 1455, 285},
        Placement{"SpinButton1", 3480, 1620, 255, 255},
        Placement{"lblFilename", 480, 2280, 375, 255},
        Placement{"txtFilename", 960, 2220, 3495, 285}, Placement{"cmdbrows", 4560, 2220, 735, 255},
        Placement{"cmdGenerateFile", 1800, 2640, 1935, 375},
        Placement{"prgPrint", 120, 2700, 5295, 375}, Placement{"lblFirstname", 1560, 900, 975, 255},
        Placement{"txtFirstname", 2400, 900, 1695, 285},
        Placement{"lblLastname", 1560, 1260, 855, 255},
        Placement{"txtLastname", 2400, 1260, 1695, 285},
        Placement{"txtUserresult", 1560, 1740, 2535, 285},
        Placement{"cmduserGenerate", 1800, 2640, 1935, 375},
        Placement{"cmbBits", 3720, 1320, 1455, 315}, Placement{"lblHex", 240, 1800, 735, 255},
        Placement{"txtHexResult", 1080, 1800, 4095, 285},
        Placement{"cmdHexGenerate", 1800, 2640, 1935, 375}),
    RowName());

TEST_F(MainWindowLayout, NoCaptionIsCutOff) {
    for (QLabel* label : window->findChildren<QLabel*>())
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) +
                      (qobject_cast<QCheckBox*>(button) ? 20 : 4),
                  button->width())
            << button->text().toStdString();
    QTabBar* bar = tabs()->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_LE(bar->fontMetrics().horizontalAdvance(bar->tabText(i)) + 4,
                  bar->tabRect(i).width())
            << bar->tabText(i).toStdString();
    EXPECT_EQ(control<QLabel>("lblLength")->text(), "Lenght:");
    EXPECT_EQ(control<QLabel>("lblQuantity")->text(), "Quantity:.");
}

TEST_F(MainWindowLayout, EachTabShowsOnlyItsOwnControlsAndTheOthersKeepTheirText) {
    typeInto("txtResult", "kept");
    typeInto("txtFirstname", "Ada");
    const char* perTab[] = {"txtResult", "txtQuantity", "txtFirstname", "txtHexResult"};
    for (int tab = 0; tab < 4; ++tab) {
        QTest::mouseClick(tabs()->tabBar(), Qt::LeftButton, {},
                          tabs()->tabBar()->tabRect(tab).center());
        ASSERT_EQ(tabs()->currentIndex(), tab);
        for (int other = 0; other < 4; ++other)
            EXPECT_EQ(control(perTab[other])->isVisible(), other == tab) << perTab[other];
    }
    EXPECT_EQ(control<QLineEdit>("txtResult")->text(), "kept");
    EXPECT_EQ(control<QLineEdit>("txtFirstname")->text(), "Ada");
}

TEST_F(MainWindowLayout, FocusMovesInTheWindowsOrder) {
    const QStringList expected = {
        "cmbLength",     "txtResult",      "chkCharlow",      "chkCharup",    "chkSym",
        "chkNum",        "cmdGenerate",    "Combo1",          "Check1",       "check2",
        "Check3",        "check4",         "cmdGenerateFile", "txtFilename",  "cmdbrows",
        "txtQuantity",   "SpinButton1",    "cmduserGenerate", "txtFirstname", "txtLastname",
        "txtUserresult", "cmdHexGenerate", "txtHexResult",    "cmbBits"};
    QStringList chain;
    QWidget* widget = tabs()->tabBar();
    for (int guard = 0; guard < 500 && chain.size() < expected.size(); ++guard) {
        widget = widget->nextInFocusChain();
        if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName()))
            chain << widget->objectName();
    }
    EXPECT_EQ(chain, expected);
    EXPECT_EQ(tabs()->focusProxy(), tabs()->tabBar());
}

TEST_F(MainWindowLayout, LabelsNameTheirBoxes) {
    const std::pair<const char*, const char*> buddies[] = {
        {"lblLength", "cmbLength"},     {"lblPass", "txtResult"},
        {"Label1", "Combo1"},           {"lblQuantity", "txtQuantity"},
        {"lblFilename", "txtFilename"}, {"lblFirstname", "txtFirstname"},
        {"lblLastname", "txtLastname"}, {"lblHex", "txtHexResult"}};
    for (const auto& [label, box] : buddies) {
        EXPECT_EQ(control<QLabel>(label)->buddy(), control(box)) << label;
        EXPECT_FALSE(control(label)->geometry().intersects(control(box)->geometry()))
            << label << " reaches under its box";
    }
    for (const char* unlabelled : {"txtUserresult", "cmbBits", "SpinButton1"})
        EXPECT_FALSE(control(unlabelled)->accessibleName().isEmpty()) << unlabelled;
}

TEST_F(MainWindowLayout, TextBoxesHoldMoreThanTheToolkitsDefaultLimit) {
    const QString longText(100'000, QLatin1Char('x'));
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        box->setText(longText);
        EXPECT_EQ(box->text().size(), longText.size()) << box->objectName().toStdString();
    }
}

TEST_F(MainWindowLayout, TypedTextsInCombosStayAsTyped) {
    typeInto("cmbBits", "8 BITS");
    typeInto("cmbLength", "11");
    QTest::keyClick(control<QComboBox>("cmbLength")->lineEdit(), Qt::Key_Return);
    control("txtResult")->setFocus();
    EXPECT_EQ(control<QComboBox>("cmbBits")->currentText(), "8 BITS");
    EXPECT_EQ(control<QComboBox>("cmbLength")->currentText(), "11");
    EXPECT_EQ(control<QComboBox>("cmbLength")->count(), 49) << "Enter adds nothing to the list";
}

TEST_F(MainWindowLayout, EnterAndEscPressNoButton) {
    for (const char* focus : {"cmbLength", "txtResult", "chkNum"}) {
        QWidget* widget = control(focus);
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            widget = combo->lineEdit();
        widget->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(widget, key);
    }
    EXPECT_EQ(control<QLineEdit>("txtResult")->text(), "");
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace quentara
