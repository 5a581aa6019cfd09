// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader finds it: the toolkit's accessibility tree, walked in process.
#include "support/main_window_fixture.h"
#include "support/row_name.h"

#include <QAccessible>
#include <ostream>
#include <string>
#include <vector>

namespace quentara {
namespace {

struct Exposed {
    QAccessible::Role role;
    std::string name;
    bool operator==(const Exposed&) const = default;
};

void PrintTo(const Exposed& exposed, std::ostream* out) {
    *out << "{role " << exposed.role << ", \"" << exposed.name << "\"}";
}

// What a screen reader can reach and move to: the focusable interfaces, leaving out what is
// flagged invisible and all below it.
void collectFocusable(QAccessibleInterface* node, std::vector<Exposed>& found) {
    if (node == nullptr || node->state().invisible)
        return;
    if (node->state().focusable)
        found.push_back({node->role(), node->text(QAccessible::Name).toStdString()});
    for (int i = 0; i < node->childCount(); ++i)
        collectFocusable(node->child(i), found);
}

struct TabCase {
    const char* name;
    GeneratorTab tab;
    std::vector<Exposed> expected; // in the tree's order
};

class ScreenReaderView : public MainWindowTest, public testing::WithParamInterface<TabCase> {};

// Every control a screen reader can move to says what it is and what it is called.
TEST_P(ScreenReaderView, NamesEveryFocusableControlWithAFittingRole) {
    chooseTab(GetParam().tab);
    std::vector<Exposed> found;
    collectFocusable(QAccessible::queryAccessibleInterface(window.get()), found);
    EXPECT_EQ(found, GetParam().expected);
}

std::vector<Exposed> tabRow(const char* selected) {
    return {{QAccessible::PageTabList, selected},
            {QAccessible::PageTab, "Easy Generator"},
            {QAccessible::PageTab, "File Generator"},
            {QAccessible::PageTab, "Username"},
            {QAccessible::PageTab, "Hex Generator"}};
}

// The page's own controls in the tree's order, then its Generate button, which every page ends
// with, then the tab row.
std::vector<Exposed> page(std::vector<Exposed> controls, const char* selected) {
    const std::vector<Exposed> tabs = tabRow(selected);
    controls.push_back({QAccessible::Button, "Generate"});
    controls.insert(controls.end(), tabs.begin(), tabs.end());
    return controls;
}

// The character classes and the length list, which both password tabs show first.
std::vector<Exposed> passwordOptions(std::vector<Exposed> rest) {
    std::vector<Exposed> controls = {
        {QAccessible::CheckBox, "Numbers"},        {QAccessible::CheckBox, "Symbols"},
        {QAccessible::CheckBox, "Char uppercase"}, {QAccessible::CheckBox, "Char lowercase"},
        {QAccessible::ComboBox, "Lenght"},         {QAccessible::EditableText, "Lenght"}};
    controls.insert(controls.end(), rest.begin(), rest.end());
    return controls;
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, ScreenReaderView,
    testing::Values(TabCase{"easyGenerator", GeneratorTab::easy,
                            page(passwordOptions({{QAccessible::EditableText, "Pass"}}),
                                 "Easy Generator")},
                    TabCase{"fileGenerator", GeneratorTab::file,
                            page(passwordOptions({{QAccessible::EditableText, "Quantity"},
                                                  {QAccessible::SpinBox, "Step quantity"},
                                                  {QAccessible::EditableText, "File"},
                                                  {QAccessible::Button, "browse"}}),
                                 "File Generator")},
                    TabCase{"username", GeneratorTab::username,
                            page({{QAccessible::EditableText, "First name"},
                                  {QAccessible::EditableText, "Last name"},
                                  {QAccessible::EditableText, "User name"}},
                                 "Username")},
                    TabCase{"hexGenerator", GeneratorTab::hex,
                            page({{QAccessible::ComboBox, "Bits"},
                                  {QAccessible::EditableText, "Bits"},
                                  {QAccessible::EditableText, "HexValue"}},
                                 "Hex Generator")}),
    RowName());

// Shown is exposed, hidden is flagged so: the tab row holds its tabs only, and each page is
// named by its tab and visible with it alone.
TEST_F(MainWindowTest, ExposesOnlyWhatIsShown) {
    chooseTab(GeneratorTab::username);
    QAccessibleInterface* row = QAccessible::queryAccessibleInterface(tabs()->tabBar());
    QStringList tabNames;
    for (int i = 0; i < row->childCount(); ++i)
        tabNames << row->child(i)->text(QAccessible::Name);
    EXPECT_EQ(tabNames,
              QStringList({"Easy Generator", "File Generator", "Username", "Hex Generator"}));
    QStringList pages;
    for (int i = 0; i < tabs()->count(); ++i) {
        QAccessibleInterface* page = QAccessible::queryAccessibleInterface(tabs()->page(i));
        pages << page->text(QAccessible::Name) + (page->state().invisible ? " hidden" : " shown");
    }
    EXPECT_EQ(pages, QStringList({"Easy Generator hidden", "File Generator hidden",
                                  "Username shown", "Hex Generator hidden"}));
}

} // namespace
} // namespace quentara
