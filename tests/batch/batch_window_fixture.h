// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window, with helpers for the File Generator tab.
#pragma once

#include "support/main_window_fixture.h"

#include <QProgressBar>

namespace quentara {

class BatchWindowTest : public MainWindowTest {
protected:
    void selectFileTab() {
        chooseTab(1);
        ASSERT_EQ(tabs()->currentIndex(), 1);
    }

    QProgressBar* bar() const { return control<QProgressBar>("prgPrint"); }
    QPushButton* generateFile() const { return control<QPushButton>("cmdGenerateFile"); }
    QString quantity() const { return control<QLineEdit>("txtQuantity")->text(); }
    QString fileName() const { return control<QLineEdit>("txtFilename")->text(); }
};

} // namespace quentara
