// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window, with helpers for the File Generator tab.
#pragma once

#include "support/main_window_fixture.h"
#include "widgets/spin_button.h"

#include <QProgressBar>

namespace quentara {

class BatchWindowTest : public MainWindowTest {
protected:
    void selectFileTab() {
        chooseTab(GeneratorTab::file);
        ASSERT_EQ(tabs()->currentIndex(), 1);
    }

    QProgressBar* bar() const { return control<QProgressBar>("prgPrint"); }
    QPushButton* generateFile() const { return control<QPushButton>("cmdGenerateFile"); }
    QString quantity() const { return control<QLineEdit>("txtQuantity")->text(); }
    QString fileName() const { return control<QLineEdit>("txtFilename")->text(); }
    SpinButton* spinner() const { return control<SpinButton>("SpinButton1"); }

    // Where a click on the quantity's spinner lands: its top or its bottom arrow.
    QPoint arrow(bool up) const {
        return {spinner()->width() / 2, up ? 2 : spinner()->height() - 3};
    }
    void clickArrow(bool up) const { QTest::mouseClick(spinner(), Qt::LeftButton, {}, arrow(up)); }
};

} // namespace quentara
